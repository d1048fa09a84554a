<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ColourName</name>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>gris foncé</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>gris clair</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rose</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marron</translation>
    </message>
    <message>
        <source>dark %1</source>
        <translation>%1 foncé</translation>
    </message>
    <message>
        <source>light %1</source>
        <translation>%1 clair</translation>
    </message>
</context>
<context>
    <name>DesktopActions</name>
    <message>
        <source>Error: Unable to open %1</source>
        <translation>Erreur : impossible d&apos;ouvrir %1</translation>
    </message>
</context>
<context>
    <name>DesktopStartup</name>
    <message>
        <source>Error: Quillset cannot save its settings in %1. Projects will not be kept.</source>
        <translation>Erreur : Quillset ne peut pas enregistrer ses réglages dans %1. Les projets ne seront pas conservés.</translation>
    </message>
</context>
<context>
    <name>FieldsStep</name>
    <message>
        <source>Error: You must specify atleast one field</source>
        <translation>Erreur : vous devez indiquer au moins un champ</translation>
    </message>
    <message>
        <source>Step 4: Fields</source>
        <translation>Étape 4 : Champs</translation>
    </message>
    <message>
        <source>The following allows you to set the fields you would like to appear on your guestbook (e.g. Name, E-mail etc).</source>
        <translation>Ici, vous choisissez les champs qui apparaîtront dans votre livre d&apos;or (par ex. Nom, E-mail, etc.).</translation>
    </message>
    <message>
        <source>Field Name</source>
        <translation>Nom du champ</translation>
    </message>
    <message>
        <source>Field Type</source>
        <translation>Type de champ</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Cols</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Champs</translation>
    </message>
    <message>
        <source>Add Field</source>
        <translation>Ajouter un champ</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
</context>
<context>
    <name>FontsStep</name>
    <message>
        <source>Step 3: Fonts and links</source>
        <translation>Étape 3 : Polices et liens</translation>
    </message>
    <message>
        <source>This step allows you to set the font settings that will be used for your guestbook.</source>
        <translation>Cette étape permet de choisir les polices qu&apos;utilisera votre livre d&apos;or.</translation>
    </message>
    <message>
        <source>Hyperlinks</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>Default/Mouse Out</source>
        <translation>Normal/souris en dehors</translation>
    </message>
    <message>
        <source>Mouse Over</source>
        <translation>Souris au-dessus</translation>
    </message>
    <message>
        <source>Font Color:</source>
        <translation>Couleur :</translation>
    </message>
    <message>
        <source>Font Face:</source>
        <translation>Police :</translation>
    </message>
    <message>
        <source>Font Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Hard to read: the text colour on the background colour has a contrast of %1:1; at least 4.5:1 is advised.</source>
        <translation>Difficile à lire : la couleur du texte sur la couleur de fond a un contraste de %1:1 ; au moins 4.5:1 est conseillé.</translation>
    </message>
</context>
<context>
    <name>GenerationStep</name>
    <message>
        <source>Step 5: Guestbook Generation</source>
        <translation>Étape 5 : Création du livre d&apos;or</translation>
    </message>
    <message>
        <source>Your guestbook settings will now be saved and your guestbook file&apos;s generated in the path specified below.</source>
        <translation>Les réglages de votre livre d&apos;or vont être enregistrés et ses fichiers créés dans le dossier indiqué ci-dessous.</translation>
    </message>
    <message>
        <source>Project Name:</source>
        <translation>Nom du projet :</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Lieu :</translation>
    </message>
    <message>
        <source>Once you click &apos;Finish&apos;, Quillset will begin creating the file&apos;s you will need for your guestbook.</source>
        <translation>Dès que vous cliquez sur « Terminer », Quillset crée les fichiers dont votre livre d&apos;or a besoin.</translation>
    </message>
    <message>
        <source>Protection</source>
        <translation>Protection</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État :</translation>
    </message>
    <message>
        <source>Project Name: </source>
        <translation>Nom du projet : </translation>
    </message>
    <message>
        <source>robot guard</source>
        <translation>garde anti-robots</translation>
    </message>
    <message>
        <source>at most %1 characters a field</source>
        <translation>%1 caractères au plus par champ</translation>
    </message>
    <message>
        <source>%1 entries a page</source>
        <translation>%1 entrées par page</translation>
    </message>
    <message>
        <source>owner page</source>
        <translation>page propriétaire</translation>
    </message>
    <message>
        <source>new entries held for approval</source>
        <translation>nouvelles entrées retenues jusqu&apos;à validation</translation>
    </message>
    <message>
        <source>Protection: %1</source>
        <translation>Protection : %1</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivée</translation>
    </message>
    <message>
        <source>The web server must let the pages write to %1.</source>
        <translation>Le serveur web doit permettre aux pages d&apos;écrire dans %1.</translation>
    </message>
    <message>
        <source>The web server must let the pages write to %1 and %2.</source>
        <translation>Le serveur web doit permettre aux pages d&apos;écrire dans %1 et %2.</translation>
    </message>
    <message>
        <source>Owner page: %1 (not linked). %2</source>
        <translation>Page propriétaire : %1 (sans lien). %2</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publier</translation>
    </message>
</context>
<context>
    <name>IntroStep</name>
    <message>
        <source>Welcome to Quillset!. This program was created with the intention of making things easier for those wishing to have a guestbook for their website, but do not posess the knowledge required to create such.</source>
        <translation>Bienvenue dans Quillset ! Ce programme aide tous ceux qui veulent un livre d&apos;or pour leur site web sans savoir comment en créer un.</translation>
    </message>
    <message>
        <source>Quillset allows you to not only create your own guestbook, but design it aswell!, better still, you do not need to know ANY HTML or ASP. All you need to use this program, is to know how to use a mouse and keyboard.</source>
        <translation>Avec Quillset, vous créez votre propre livre d&apos;or et vous le concevez vous-même. Nul besoin de connaître le HTML ou l&apos;ASP : il suffit de savoir utiliser une souris et un clavier.</translation>
    </message>
    <message>
        <source>Once you click Next, Quillset will begin the wizard that will help you design and create your very own guestbook.</source>
        <translation>Dès que vous cliquez sur Suivant, Quillset vous guide pas à pas pour concevoir et créer votre propre livre d&apos;or.</translation>
    </message>
    <message>
        <source>Click &apos;Next &gt;&gt;&apos; to begin creating your guestbook.</source>
        <translation>Cliquez sur « Suivant &gt;&gt; » pour commencer votre livre d&apos;or.</translation>
    </message>
    <message>
        <source>Note: To use guestbooks created with this program, you MUST have an ASP capable web server (e.g. Internet Information Services), and have sufficient permissions to use the FileSystemObject (provided by Microsoft Windows Script).</source>
        <translation>Remarque : pour utiliser les livres d&apos;or créés avec ce programme, vous DEVEZ disposer d&apos;un serveur web qui exécute ASP (par ex. Internet Information Services) et du droit d&apos;utiliser le FileSystemObject (fourni par Microsoft Windows Script).</translation>
    </message>
    <message>
        <source>Step 1: Introduction</source>
        <translation>Étape 1 : Introduction</translation>
    </message>
</context>
<context>
    <name>MessagePrompt</name>
    <message>
        <source>Error: %1</source>
        <translation>Erreur : %1</translation>
    </message>
</context>
<context>
    <name>TitleBodyStep</name>
    <message>
        <source>Select a folder to save your guestbook to</source>
        <translation>Choisissez le dossier où enregistrer votre livre d&apos;or</translation>
    </message>
    <message>
        <source>Step 2: Title, body and tables</source>
        <translation>Étape 2 : Titre, page et tableau</translation>
    </message>
    <message>
        <source>This step allows you to set the title and fonts for your guestbook.</source>
        <translation>Cette étape permet de choisir le titre et l&apos;aspect de votre livre d&apos;or.</translation>
    </message>
    <message>
        <source>Guestbook Title:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>Change project title</source>
        <translation>Changer le titre du projet</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Enregistrer dans :</translation>
    </message>
    <message>
        <source>Change project &apos;Save To&apos; path</source>
        <translation>Changer le dossier « Enregistrer dans »</translation>
    </message>
    <message>
        <source>Main body</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Background Image:</source>
        <translation>Image de fond :</translation>
    </message>
    <message>
        <source>Background Color:</source>
        <translation>Couleur de fond :</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Table width:</source>
        <translation>Largeur du tableau :</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Table border:</source>
        <translation>Bordure du tableau :</translation>
    </message>
    <message>
        <source>Table border</source>
        <translation>Bordure du tableau</translation>
    </message>
    <message>
        <source>Border width:</source>
        <translation>Épaisseur de la bordure :</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Modern, fits phones and screen readers</source>
        <translation>Moderne, adapté aux téléphones et aux lecteurs d&apos;écran</translation>
    </message>
    <message>
        <source>Page st&amp;yle:</source>
        <translation>St&amp;yle des pages :</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>&amp;Language of the pages:</source>
        <translation>&amp;Langue des pages :</translation>
    </message>
</context>
<context>
    <name>UserText</name>
    <message>
        <source>The key of %1 is not trusted yet (%2). Publish once from the window to accept it.</source>
        <translation>La clé de %1 n&apos;est pas encore approuvée (%2). Publiez une fois depuis la fenêtre pour l&apos;accepter.</translation>
    </message>
    <message>
        <source>The certificate of %1 is not trusted yet (%2). Publish once from the window to accept it.</source>
        <translation>Le certificat de %1 n&apos;est pas encore approuvé (%2). Publiez une fois depuis la fenêtre pour l&apos;accepter.</translation>
    </message>
    <message>
        <source>Name the project to publish: quillset --publish &lt;project title&gt; [--password-stdin]</source>
        <translation>Indiquez le projet à publier : quillset --publish &lt;titre du projet&gt; [--password-stdin]</translation>
    </message>
    <message>
        <source>No project &quot;%1&quot; is saved.</source>
        <translation>Aucun projet « %1 » n&apos;est enregistré.</translation>
    </message>
    <message>
        <source>The project has no server settings: publish it once from the window. %1</source>
        <translation>Le projet n&apos;a pas de réglages de serveur : publiez-le une fois depuis la fenêtre. %1</translation>
    </message>
    <message>
        <source>No password is remembered for %1: give it with --password-stdin.</source>
        <translation>Aucun mot de passe n&apos;est mémorisé pour %1 : donnez-le avec --password-stdin.</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erreur : %1</translation>
    </message>
    <message>
        <source>Sent %1</source>
        <translation>Envoyé : %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Status: Writing %1 [ %2 ]</source>
        <translation>État : écriture %1 [ %2 ]</translation>
    </message>
    <message>
        <source>file header</source>
        <translation>de l&apos;en-tête du fichier</translation>
    </message>
    <message>
        <source>file body</source>
        <translation>du corps du fichier</translation>
    </message>
    <message>
        <source>page title</source>
        <translation>du titre de la page</translation>
    </message>
    <message>
        <source>fields</source>
        <translation>des champs</translation>
    </message>
    <message>
        <source>file footer</source>
        <translation>du pied du fichier</translation>
    </message>
    <message>
        <source>script header</source>
        <translation>de l&apos;en-tête du script</translation>
    </message>
    <message>
        <source>owner page</source>
        <translation>de la page propriétaire</translation>
    </message>
    <message>
        <source>The owner page %1 could not be removed</source>
        <translation>La page propriétaire %1 n&apos;a pas pu être supprimée</translation>
    </message>
    <message>
        <source>request filter</source>
        <translation>du filtre de requêtes</translation>
    </message>
    <message>
        <source>Status: Checking file paths</source>
        <translation>État : vérification des chemins des fichiers</translation>
    </message>
    <message>
        <source>The background picture %1 cannot be read (%2). Choose it again on step 2, or set it to None</source>
        <translation>L&apos;image de fond %1 ne peut pas être lue (%2). Choisissez-la à nouveau à l&apos;étape 2, ou réglez-la sur « None »</translation>
    </message>
    <message>
        <source>The guestbook could not be written into %1. Choose another folder on step 2</source>
        <translation>Le livre d&apos;or n&apos;a pas pu être écrit dans %1. Choisissez un autre dossier à l&apos;étape 2</translation>
    </message>
    <message>
        <source>Status: Checking project name</source>
        <translation>État : vérification du nom du projet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name the project folder</source>
        <translation>« %1 » ne peut pas nommer le dossier du projet</translation>
    </message>
    <message>
        <source>Status: Checking project path</source>
        <translation>État : vérification du chemin du projet</translation>
    </message>
    <message>
        <source>The folder %1 could not be made</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>Status: Creating project directory</source>
        <translation>État : création du dossier du projet</translation>
    </message>
    <message>
        <source>Status: Creating project files</source>
        <translation>État : création des fichiers du projet</translation>
    </message>
    <message>
        <source>it becomes the server script marker &quot;%1&quot; in the page code page %2</source>
        <translation>la valeur devient la marque de script serveur « %1 » dans la page de codes %2 des pages</translation>
    </message>
    <message>
        <source>it becomes a control character in the page code page %1</source>
        <translation>la valeur devient un caractère de contrôle dans la page de codes %1 des pages</translation>
    </message>
    <message>
        <source>it holds the server script marker &quot;%1&quot;</source>
        <translation>la valeur contient la marque de script serveur « %1 »</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>la valeur contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which the page code page %2 cannot hold</source>
        <translation>la valeur contient « %1 », que la page de codes %2 des pages ne peut pas contenir</translation>
    </message>
    <message>
        <source>it is shorter than %1 characters</source>
        <translation>le nom compte moins de %1 caractères</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which a field name cannot hold</source>
        <translation>le nom contient « %1 », qui ne peut pas figurer dans un nom de champ</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; cannot be used in a page: %3</source>
        <translation>%1 « %2 » — cette valeur ne peut pas être utilisée dans une page : %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; of field &quot;%3&quot; cannot be used in a page: %4</source>
        <translation>%1 « %2 » du champ « %3 » — cette valeur ne peut pas être utilisée dans une page : %4</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>The project has no fields, and a guestbook needs at least one</source>
        <translation>Le projet n&apos;a aucun champ, et un livre d&apos;or en demande au moins un</translation>
    </message>
    <message>
        <source>Field name</source>
        <translation>Nom de champ</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which an image address cannot hold</source>
        <translation>l&apos;adresse contient « %1 », qui ne peut pas figurer dans l&apos;adresse d&apos;une image</translation>
    </message>
    <message>
        <source>in its text &quot;%1&quot;, %2</source>
        <translation>dans son texte « %1 », %2</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which the settings file cannot hold</source>
        <translation>il contient « %1 », que le fichier de réglages ne peut pas contenir</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 est vide</translation>
    </message>
    <message>
        <source>%1 needs at least %2 characters</source>
        <translation>%1 doit compter au moins %2 caractères</translation>
    </message>
    <message>
        <source>%1 cannot be used in a page: %2</source>
        <translation>%1 ne peut pas être utilisé dans une page : %2</translation>
    </message>
    <message>
        <source>%1 cannot be saved: %2</source>
        <translation>%1 ne peut pas être enregistré : %2</translation>
    </message>
    <message>
        <source>The title cannot hold &quot;%1&quot; (%2)</source>
        <translation>Le titre ne peut pas contenir « %1 » (%2)</translation>
    </message>
    <message>
        <source>The title</source>
        <translation>Le titre</translation>
    </message>
    <message>
        <source>Invalid title. Please check and try again</source>
        <translation>Titre non valide. Vérifiez-le et réessayez</translation>
    </message>
    <message>
        <source>it separates saved projects</source>
        <translation>il sépare les projets enregistrés</translation>
    </message>
    <message>
        <source>it stands for a space in saved project names</source>
        <translation>il remplace une espace dans les noms des projets enregistrés</translation>
    </message>
    <message>
        <source>the title names the project&apos;s folder</source>
        <translation>le titre nomme le dossier du projet</translation>
    </message>
    <message>
        <source>The title differs from the saved project &quot;%1&quot; only in capitals or end spaces</source>
        <translation>Le titre ne diffère du projet enregistré « %1 » que par les majuscules ou les espaces aux extrémités</translation>
    </message>
    <message>
        <source>The field name</source>
        <translation>Le nom du champ</translation>
    </message>
    <message>
        <source>Invalid field name</source>
        <translation>Nom de champ non valide</translation>
    </message>
    <message>
        <source>The preview folder could not be made in %1: %2</source>
        <translation>Le dossier d&apos;aperçu n&apos;a pas pu être créé dans %1 : %2</translation>
    </message>
    <message>
        <source>your home folder</source>
        <translation>votre dossier personnel</translation>
    </message>
    <message>
        <source>The server refused the log-in as &quot;%1&quot;. Check the user name and the password, then try again.</source>
        <translation>Le serveur a refusé la connexion en tant que « %1 ». Vérifiez le nom d&apos;utilisateur et le mot de passe, puis réessayez.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist on the server. Correct the remote folder, or create it with your host&apos;s file manager, then try again.</source>
        <translation>Le dossier « %1 » n&apos;existe pas sur le serveur. Corrigez le dossier distant, ou créez-le avec le gestionnaire de fichiers de votre hébergeur, puis réessayez.</translation>
    </message>
    <message>
        <source>The server could not store %1 in &quot;%2&quot;: its disk may be full, or the account may not write there. Free some space or ask your host, then try again.</source>
        <translation>Le serveur n&apos;a pas pu enregistrer %1 dans « %2 » : son disque est peut-être plein, ou le compte n&apos;a pas le droit d&apos;y écrire. Libérez de la place ou demandez à votre hébergeur, puis réessayez.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost. Try again when the connection is back.</source>
        <translation>La connexion à %1 a été perdue. Réessayez quand la connexion sera rétablie.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost while sending %2. Try again when the connection is back.</source>
        <translation>La connexion à %1 a été perdue pendant l&apos;envoi de %2. Réessayez quand la connexion sera rétablie.</translation>
    </message>
    <message>
        <source>Quillset could not reach %1 on port %2. Check the host name, the port and your Internet connection, then try again.</source>
        <translation>Quillset n&apos;a pas pu joindre %1 sur le port %2. Vérifiez le nom d&apos;hôte, le port et votre connexion Internet, puis réessayez.</translation>
    </message>
    <message>
        <source>The server %1 no longer shows the key it showed before (it now shows %2). Someone may stand between you and your site: nothing was sent. Ask your host whether the key has changed before you publish again.</source>
        <translation>Le serveur %1 ne présente plus la clé qu&apos;il présentait auparavant (il présente maintenant %2). Quelqu&apos;un se trouve peut-être entre vous et votre site : rien n&apos;a été envoyé. Demandez à votre hébergeur si la clé a changé avant de publier à nouveau.</translation>
    </message>
    <message>
        <source>another key</source>
        <translation>une autre clé</translation>
    </message>
    <message>
        <source>You did not accept the server&apos;s identity, so nothing was sent.</source>
        <translation>Vous n&apos;avez pas accepté l&apos;identité du serveur, rien n&apos;a donc été envoyé.</translation>
    </message>
    <message>
        <source>Publishing was cancelled.</source>
        <translation>La publication a été annulée.</translation>
    </message>
    <message>
        <source>The transfer to %1 failed: %2</source>
        <translation>Le transfert vers %1 a échoué : %2</translation>
    </message>
    <message>
        <source>Quillset could not read %1: %2. Generate the guestbook again, then publish.</source>
        <translation>Quillset n&apos;a pas pu lire %1 : %2. Générez à nouveau le livre d&apos;or, puis publiez-le.</translation>
    </message>
    <message>
        <source>The site was left as it was.</source>
        <translation>Le site est resté tel quel.</translation>
    </message>
    <message>
        <source>Some pages may be new and others old: publish again to put the whole guestbook in place.</source>
        <translation>Certaines pages sont peut-être nouvelles et d&apos;autres anciennes : publiez à nouveau pour mettre en place tout le livre d&apos;or.</translation>
    </message>
    <message>
        <source>Quillset could not make the folder %1.</source>
        <translation>Quillset n&apos;a pas pu créer le dossier %1.</translation>
    </message>
    <message>
        <source>Quillset could not save %1: %2</source>
        <translation>Quillset n&apos;a pas pu enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>Enter the server&apos;s host name.</source>
        <translation>Saisissez le nom d&apos;hôte du serveur.</translation>
    </message>
    <message>
        <source>Enter the user name of your account on the server.</source>
        <translation>Saisissez le nom d&apos;utilisateur de votre compte sur le serveur.</translation>
    </message>
    <message>
        <source>it is not a regular file of at most 64 KB</source>
        <translation>ce n&apos;est pas un fichier ordinaire d&apos;au plus 64 Ko</translation>
    </message>
    <message>
        <source>it names files outside its set</source>
        <translation>il nomme des fichiers hors de son ensemble</translation>
    </message>
    <message>
        <source>%1; not put back: %2</source>
        <translation>%1 ; non rétablis : %2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The folder %1 is in use by another program</source>
        <translation>Le dossier %1 est utilisé par un autre programme</translation>
    </message>
    <message>
        <source>%1. Remove it, then try again</source>
        <translation>%1. Supprimez-le, puis réessayez</translation>
    </message>
    <message>
        <source>The journal %1 of an unfinished write was left in place: %2</source>
        <translation>Le journal %1 d&apos;une écriture inachevée a été laissé en place : %2</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes could be written</source>
        <translation>Seuls %1 octets sur %2 ont pu être écrits</translation>
    </message>
    <message>
        <source>%1; the part written could not be removed: %2</source>
        <translation>%1 ; la partie écrite n&apos;a pas pu être supprimée : %2</translation>
    </message>
    <message>
        <source>it is not a whole number from 0 to %1</source>
        <translation>ce n&apos;est pas un nombre entier de 0 à %1</translation>
    </message>
    <message>
        <source>it is not &quot;sha256:&quot;, 32 lower-case hex digits, &quot;:&quot; and 64 more</source>
        <translation>ce n&apos;est pas « sha256: », 32 chiffres hexadécimaux en minuscules, « : » et 64 autres</translation>
    </message>
    <message>
        <source>it is neither %1 nor %2</source>
        <translation>ce n&apos;est ni %1 ni %2</translation>
    </message>
    <message>
        <source>it is not one of %1</source>
        <translation>ce n&apos;est pas l&apos;un de %1</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Table width</source>
        <translation>Largeur du tableau</translation>
    </message>
    <message>
        <source>Border width</source>
        <translation>Largeur de la bordure</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Text font</source>
        <translation>Police du texte</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>Link colour</source>
        <translation>Couleur des liens</translation>
    </message>
    <message>
        <source>Link font</source>
        <translation>Police des liens</translation>
    </message>
    <message>
        <source>Link size</source>
        <translation>Taille des liens</translation>
    </message>
    <message>
        <source>Hover colour</source>
        <translation>Couleur au survol</translation>
    </message>
    <message>
        <source>Hover font</source>
        <translation>Police au survol</translation>
    </message>
    <message>
        <source>Hover size</source>
        <translation>Taille au survol</translation>
    </message>
    <message>
        <source>Longest entry</source>
        <translation>Entrée la plus longue</translation>
    </message>
    <message>
        <source>Entries per page</source>
        <translation>Entrées par page</translation>
    </message>
    <message>
        <source>Owner page password</source>
        <translation>Mot de passe de la page propriétaire</translation>
    </message>
    <message>
        <source>Page style</source>
        <translation>Style de page</translation>
    </message>
    <message>
        <source>Page language</source>
        <translation>Langue des pages</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; cannot be saved: %2</source>
        <translation>Le champ « %1 » ne peut pas être enregistré : %2</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is saved under the same key</source>
        <translation>le champ « %1 » est enregistré sous la même clé</translation>
    </message>
    <message>
        <source>it would not load back as it is</source>
        <translation>il ne se rechargerait pas tel quel</translation>
    </message>
    <message>
        <source>it holds a line break, and the settings file keeps each value on one line</source>
        <translation>le nom contient un saut de ligne, et le fichier de réglages garde chaque valeur sur une ligne</translation>
    </message>
    <message>
        <source>it holds &quot;=&quot;, which ends a key in the settings file</source>
        <translation>le nom contient « = », qui termine une clé dans le fichier de réglages</translation>
    </message>
    <message>
        <source>it holds &quot;,&quot;, which separates the parts of a saved field</source>
        <translation>le nom contient « , », qui sépare les parties d&apos;un champ enregistré</translation>
    </message>
    <message>
        <source>The lock file %1 is not a regular file</source>
        <translation>Le fichier de verrou %1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file</source>
        <translation>Le fichier de réglages %1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The key &quot;%1&quot; cannot be stored in the settings file</source>
        <translation>La clé « %1 » ne peut pas être enregistrée dans le fichier de réglages</translation>
    </message>
    <message>
        <source>The settings file %1 is read-only</source>
        <translation>Le fichier de réglages %1 est en lecture seule</translation>
    </message>
    <message>
        <source>The settings file is in use by another program (lock file %1). Try again in a minute, or delete the lock file if no other %2 is running.</source>
        <translation>Le fichier de réglages est utilisé par un autre programme (fichier de verrou %1). Réessayez dans une minute, ou supprimez le fichier de verrou si aucun autre %2 n&apos;est lancé.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be locked for writing: its lock file %2 cannot be made</source>
        <translation>Le fichier de réglages %1 ne peut pas être verrouillé pour l&apos;écriture : son fichier de verrou %2 ne peut pas être créé</translation>
    </message>
    <message>
        <source>The settings file %1 is in windows-1252, which has no &quot;%2&quot;</source>
        <translation>Le fichier de réglages %1 est en windows-1252, qui n&apos;a pas de « %2 »</translation>
    </message>
</context>
<context>
    <name>WindowButtons</name>
    <message>
        <source>No projects to load</source>
        <translation>Aucun projet à charger</translation>
    </message>
    <message>
        <source>Help files not present.<byte value="xd"/>
<byte value="xd"/>
Would you like to visit the online documentation?</source>
        <translation>Fichiers d&apos;aide absents.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous consulter la documentation en ligne ?</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Open Existing</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>This program is provided &quot;as is&quot;, without warranty of any kind, express or implied, including but not limited to the warranties of merchantability, fitness for a particular purpose and noninfringement. In no event shall the authors be liable for any claim, damages or other liability arising from the use of this program or of the guestbooks it generates. You are responsible for the pages you publish on your web server and for the entries your visitors leave in them.</source>
        <translation>Ce programme est fourni « tel quel », sans garantie d&apos;aucune sorte, expresse ou implicite, y compris, sans s&apos;y limiter, les garanties de qualité marchande, d&apos;adéquation à un usage particulier et d&apos;absence de contrefaçon. En aucun cas les auteurs ne pourront être tenus responsables de toute réclamation, de tout dommage ou de toute autre responsabilité découlant de l&apos;utilisation de ce programme ou des livres d&apos;or qu&apos;il génère. Vous êtes responsable des pages que vous publiez sur votre serveur web et des messages que vos visiteurs y laissent.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Build</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licence</translation>
    </message>
</context>
<context>
    <name>frmAddField</name>
    <message>
        <source>Error: Field name already present<byte value="xd"/>
<byte value="xd"/>
To prevent problems, field names must be unique.</source>
        <translation>Erreur : ce nom de champ existe déjà<byte value="xd"/>
<byte value="xd"/>
Pour éviter les problèmes, chaque nom de champ doit être unique.</translation>
    </message>
    <message>
        <source>Error: Field name too close to another field<byte value="xd"/>
<byte value="xd"/>
Field names must differ in more than capital letters and in more than a space where the other has an underscore.</source>
        <translation>Erreur : ce nom de champ est trop proche d&apos;un autre<byte value="xd"/>
<byte value="xd"/>
Les noms de champ doivent différer par plus que les majuscules et par plus qu&apos;une espace là où l&apos;autre a un trait de soulignement.</translation>
    </message>
    <message>
        <source>Left out: </source>
        <translation>Ignorés : </translation>
    </message>
    <message>
        <source>Add new field</source>
        <translation>Nouveau champ</translation>
    </message>
    <message>
        <source>Field Name:</source>
        <translation>Nom du champ :</translation>
    </message>
    <message>
        <source>Field Type:</source>
        <translation>Type de champ :</translation>
    </message>
    <message>
        <source>Rows:</source>
        <translation>Lignes :</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>Colonnes :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmColors</name>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Colour palette</source>
        <translation>Palette de couleurs</translation>
    </message>
    <message>
        <source>Colour preview</source>
        <translation>Aperçu de la couleur</translation>
    </message>
    <message>
        <source>Colour palette: </source>
        <translation>Palette de couleurs : </translation>
    </message>
</context>
<context>
    <name>frmEdit</name>
    <message>
        <source>Project Title</source>
        <translation>Titre du projet</translation>
    </message>
    <message>
        <source>Current:</source>
        <translation>Actuel :</translation>
    </message>
    <message>
        <source>New:</source>
        <translation>Nouveau :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmExisting</name>
    <message>
        <source>Load Existing</source>
        <translation>Charger un projet</translation>
    </message>
    <message>
        <source>Load Project</source>
        <translation>Charger le projet</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Projects</source>
        <translation>Projets</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Your guestbook has been generated successfully<byte value="xd"/>
<byte value="xd"/>
Would you like to view your files now?</source>
        <translation>Votre livre d&apos;or a été créé<byte value="xd"/>
<byte value="xd"/>
Voulez-vous voir vos fichiers maintenant ?</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Suivant &gt;&gt;</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Would you like to save your guestbook settings first?</source>
        <translation>Voulez-vous d&apos;abord enregistrer les réglages de votre livre d&apos;or ?</translation>
    </message>
    <message>
        <source>Settings loaded for: </source>
        <translation>Réglages chargés pour : </translation>
    </message>
    <message>
        <source>Step 1: Introduction</source>
        <translation>Étape 1 : Introduction</translation>
    </message>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt;&lt; Précédent</translation>
    </message>
</context>
<context>
    <name>frmMenu</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Add new Field</source>
        <translation>Ajouter un champ</translation>
    </message>
    <message>
        <source>Add a new field</source>
        <translation>Ajouter un nouveau champ</translation>
    </message>
    <message>
        <source>Delete Field</source>
        <translation>Supprimer le champ</translation>
    </message>
    <message>
        <source>Edit Field</source>
        <translation>Modifier le champ</translation>
    </message>
    <message>
        <source>Edit field properties</source>
        <translation>Modifier les propriétés du champ</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move the field up</source>
        <translation>Monter le champ</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move the field down</source>
        <translation>Descendre le champ</translation>
    </message>
</context>
<context>
    <name>frmProtection</name>
    <message>
        <source>Error: The password and its confirmation differ. Please type them again</source>
        <translation>Erreur : le mot de passe et sa confirmation diffèrent. Veuillez les saisir à nouveau</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sans limite</translation>
    </message>
    <message>
        <source>Guestbook protection</source>
        <translation>Protection du livre d&apos;or</translation>
    </message>
    <message>
        <source>&amp;Stop spam robots</source>
        <translation>&amp;Arrêter les robots de spam</translation>
    </message>
    <message>
        <source>&amp;Longest entry (characters)</source>
        <translation>Entrée la plus &amp;longue (caractères)</translation>
    </message>
    <message>
        <source>&amp;Entries per page</source>
        <translation>&amp;Entrées par page</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Owner page &amp;password</source>
        <translation>Mot de passe de la page &amp;propriétaire</translation>
    </message>
    <message>
        <source>&amp;Confirm password</source>
        <translation>&amp;Confirmer le mot de passe</translation>
    </message>
    <message>
        <source>&amp;Remove owner page</source>
        <translation>&amp;Supprimer la page propriétaire</translation>
    </message>
    <message>
        <source>&amp;Hold new entries until I approve them</source>
        <translation>Retenir les nouvelles entrées jusqu&apos;à ce que je les &amp;valide</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error: The owner page password needs at least 10 characters other than spaces: a shorter one can be found by trying passwords one after another</source>
        <translation>Erreur : le mot de passe de la page propriétaire doit compter au moins 10 caractères hors espaces : un mot de passe plus court peut être trouvé en essayant les mots de passe l&apos;un après l&apos;autre</translation>
    </message>
</context>
<context>
    <name>frmPublish</name>
    <message>
        <source>SFTP (SSH)</source>
        <translation>SFTP (SSH)</translation>
    </message>
    <message>
        <source>FTPS (FTP with explicit TLS)</source>
        <translation>FTPS (FTP avec TLS explicite)</translation>
    </message>
    <message>
        <source>FTP (not encrypted)</source>
        <translation>FTP (non chiffré)</translation>
    </message>
    <message>
        <source>Put your guestbook online</source>
        <translation>Mettre votre livre d&apos;or en ligne</translation>
    </message>
    <message>
        <source>P&amp;rotocol</source>
        <translation>P&amp;rotocole</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>&amp;Hôte</translation>
    </message>
    <message>
        <source>P&amp;ort</source>
        <translation>P&amp;ort</translation>
    </message>
    <message>
        <source>&amp;User name</source>
        <translation>Nom d&apos;&amp;utilisateur</translation>
    </message>
    <message>
        <source>Remote &amp;folder</source>
        <translation>&amp;Dossier distant</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>Mot de &amp;passe</translation>
    </message>
    <message>
        <source>R&amp;emember the password</source>
        <translation>M&amp;émoriser le mot de passe</translation>
    </message>
    <message>
        <source>Site&apos;s &amp;web address</source>
        <translation>Adresse &amp;web du site</translation>
    </message>
    <message>
        <source>Plain FTP sends your password unencrypted: anyone on the way can read it. Choose SFTP or FTPS if your host offers them.</source>
        <translation>Le FTP simple envoie votre mot de passe en clair : n&apos;importe qui sur le trajet peut le lire. Choisissez SFTP ou FTPS si votre hébergeur les propose.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Download entries</source>
        <translation>Copier les entrées</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publier</translation>
    </message>
    <message>
        <source>Check the site</source>
        <translation>Vérifier le site</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No secret store is running on this desktop, so Quillset cannot remember the password: type it each time you publish.</source>
        <translation>Aucun coffre à secrets ne fonctionne sur ce bureau, Quillset ne peut donc pas mémoriser le mot de passe : saisissez-le à chaque publication.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Sending %1</source>
        <translation>Envoi de %1</translation>
    </message>
    <message>
        <source>Error: The password could not be remembered: %1</source>
        <translation>Erreur : le mot de passe n&apos;a pas pu être mémorisé : %1</translation>
    </message>
    <message>
        <source>Sent: %1</source>
        <translation>Envoyé : %1</translation>
    </message>
    <message>
        <source>Your guestbook is online.</source>
        <translation>Votre livre d&apos;or est en ligne.</translation>
    </message>
    <message>
        <source>The entries were saved in %1</source>
        <translation>Les entrées ont été enregistrées dans %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
    <message>
        <source>Checking the site...</source>
        <translation>Vérification du site...</translation>
    </message>
    <message>
        <source>This is the first connection to %1. Its key has the fingerprint<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Compare it with the one your host gives. Is it the same?</source>
        <translation>C&apos;est la première connexion à %1. Sa clé a l&apos;empreinte<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Comparez-la avec celle que donne votre hébergeur. Est-ce la même ?</translation>
    </message>
    <message>
        <source>The certificate of %1 is not signed by an authority this computer trusts. Its SHA-256 fingerprint is<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Compare it with the one your host gives. Is it the same?</source>
        <translation>Le certificat de %1 n&apos;est signé par aucune autorité à laquelle cet ordinateur fait confiance. Son empreinte SHA-256 est<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Comparez-la avec celle que donne votre hébergeur. Est-ce la même ?</translation>
    </message>
    <message>
        <source>Your guestbook: </source>
        <translation>Votre livre d&apos;or : </translation>
    </message>
    <message>
        <source>Your owner page: </source>
        <translation>Votre page propriétaire : </translation>
    </message>
    <message>
        <source>The sign page at %1 does not answer (%2). Check the address and that the site is online.</source>
        <translation>La page de signature à l&apos;adresse %1 ne répond pas (%2). Vérifiez l&apos;adresse et que le site est en ligne.</translation>
    </message>
    <message>
        <source>The server answers %1 with error %2: the pages are not at this address. Check the site&apos;s address and the remote folder.</source>
        <translation>Le serveur répond à %1 par l&apos;erreur %2 : les pages ne sont pas à cette adresse. Vérifiez l&apos;adresse du site et le dossier distant.</translation>
    </message>
    <message>
        <source>The sign page answers at %1.</source>
        <translation>La page de signature répond à l&apos;adresse %1.</translation>
    </message>
    <message>
        <source>The server sends the page&apos;s script instead of running it: this folder does not run classic ASP pages. Ask your host to turn ASP on.</source>
        <translation>Le serveur envoie le script de la page au lieu de l&apos;exécuter : ce dossier n&apos;exécute pas les pages ASP classiques. Demandez à votre hébergeur d&apos;activer ASP.</translation>
    </message>
    <message>
        <source>The server runs the ASP pages.</source>
        <translation>Le serveur exécute les pages ASP.</translation>
    </message>
    <message>
        <source>Anyone can read the entries that wait for you at %1. Ask your host to hide .txt files in this folder.</source>
        <translation>N&apos;importe qui peut lire les entrées qui attendent votre validation à l&apos;adresse %1. Demandez à votre hébergeur de masquer les fichiers .txt de ce dossier.</translation>
    </message>
    <message>
        <source>pending.txt is hidden from visitors.</source>
        <translation>pending.txt est caché aux visiteurs.</translation>
    </message>
</context>
</TS>
