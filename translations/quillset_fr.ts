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
        <source>Error: %1</source>
        <translation>Erreur : %1</translation>
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
