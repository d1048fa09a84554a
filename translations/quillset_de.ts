<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ColourName</name>
    <message>
        <source>black</source>
        <translation>schwarz</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>dunkelgrau</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>grau</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>hellgrau</translation>
    </message>
    <message>
        <source>white</source>
        <translation>weiß</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>türkis</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violett</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>braun</translation>
    </message>
    <message>
        <source>dark %1</source>
        <translation>dunkel%1</translation>
    </message>
    <message>
        <source>light %1</source>
        <translation>hell%1</translation>
    </message>
</context>
<context>
    <name>DesktopActions</name>
    <message>
        <source>Error: Unable to open %1</source>
        <translation>Fehler: %1 kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>DesktopStartup</name>
    <message>
        <source>Error: Quillset cannot save its settings in %1. Projects will not be kept.</source>
        <translation>Fehler: Quillset kann seine Einstellungen nicht in %1 speichern. Projekte werden nicht aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>FieldsStep</name>
    <message>
        <source>Error: You must specify atleast one field</source>
        <translation>Fehler: Sie müssen mindestens ein Feld angeben</translation>
    </message>
    <message>
        <source>Step 4: Fields</source>
        <translation>Schritt 4: Felder</translation>
    </message>
    <message>
        <source>The following allows you to set the fields you would like to appear on your guestbook (e.g. Name, E-mail etc).</source>
        <translation>Hier legen Sie die Felder fest, die in Ihrem Gästebuch erscheinen sollen (z. B. Name, E-Mail usw.).</translation>
    </message>
    <message>
        <source>Field Name</source>
        <translation>Feldname</translation>
    </message>
    <message>
        <source>Field Type</source>
        <translation>Feldtyp</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Cols</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>Add Field</source>
        <translation>Feld hinzufügen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
</context>
<context>
    <name>FontsStep</name>
    <message>
        <source>Step 3: Fonts and links</source>
        <translation>Schritt 3: Schriften und Links</translation>
    </message>
    <message>
        <source>This step allows you to set the font settings that will be used for your guestbook.</source>
        <translation>In diesem Schritt legen Sie die Schriften fest, die Ihr Gästebuch verwendet.</translation>
    </message>
    <message>
        <source>Hyperlinks</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Default/Mouse Out</source>
        <translation>Normal/Maus außerhalb</translation>
    </message>
    <message>
        <source>Mouse Over</source>
        <translation>Maus darüber</translation>
    </message>
    <message>
        <source>Font Color:</source>
        <translation>Schriftfarbe:</translation>
    </message>
    <message>
        <source>Font Face:</source>
        <translation>Schriftart:</translation>
    </message>
    <message>
        <source>Font Size:</source>
        <translation>Schriftgröße:</translation>
    </message>
    <message>
        <source>Hard to read: the text colour on the background colour has a contrast of %1:1; at least 4.5:1 is advised.</source>
        <translation>Schwer lesbar: Die Textfarbe hat auf der Hintergrundfarbe einen Kontrast von %1:1; empfohlen wird mindestens 4.5:1.</translation>
    </message>
</context>
<context>
    <name>GenerationStep</name>
    <message>
        <source>Step 5: Guestbook Generation</source>
        <translation>Schritt 5: Gästebuch erstellen</translation>
    </message>
    <message>
        <source>Your guestbook settings will now be saved and your guestbook file&apos;s generated in the path specified below.</source>
        <translation>Ihre Gästebuch-Einstellungen werden jetzt gespeichert und die Dateien Ihres Gästebuchs im unten angegebenen Ordner erstellt.</translation>
    </message>
    <message>
        <source>Project Name:</source>
        <translation>Projektname:</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Pfad:</translation>
    </message>
    <message>
        <source>Once you click &apos;Finish&apos;, Quillset will begin creating the file&apos;s you will need for your guestbook.</source>
        <translation>Sobald Sie auf „Fertig stellen“ klicken, erstellt Quillset die Dateien, die Sie für Ihr Gästebuch brauchen.</translation>
    </message>
    <message>
        <source>Protection</source>
        <translation>Schutz</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Project Name: </source>
        <translation>Projektname: </translation>
    </message>
    <message>
        <source>robot guard</source>
        <translation>Robotersperre</translation>
    </message>
    <message>
        <source>at most %1 characters a field</source>
        <translation>höchstens %1 Zeichen je Feld</translation>
    </message>
    <message>
        <source>%1 entries a page</source>
        <translation>%1 Einträge je Seite</translation>
    </message>
    <message>
        <source>owner page</source>
        <translation>Besitzerseite</translation>
    </message>
    <message>
        <source>new entries held for approval</source>
        <translation>neue Einträge warten auf Freigabe</translation>
    </message>
    <message>
        <source>Protection: %1</source>
        <translation>Schutz: %1</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>The web server must let the pages write to %1.</source>
        <translation>Der Webserver muss den Seiten erlauben, in %1 zu schreiben.</translation>
    </message>
    <message>
        <source>The web server must let the pages write to %1 and %2.</source>
        <translation>Der Webserver muss den Seiten erlauben, in %1 und %2 zu schreiben.</translation>
    </message>
    <message>
        <source>Owner page: %1 (not linked). %2</source>
        <translation>Besitzerseite: %1 (nicht verlinkt). %2</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Veröffentlichen</translation>
    </message>
</context>
<context>
    <name>IntroStep</name>
    <message>
        <source>Welcome to Quillset!. This program was created with the intention of making things easier for those wishing to have a guestbook for their website, but do not posess the knowledge required to create such.</source>
        <translation>Willkommen bei Quillset! Dieses Programm soll allen helfen, die ein Gästebuch für ihre Website möchten, aber nicht wissen, wie man eines erstellt.</translation>
    </message>
    <message>
        <source>Quillset allows you to not only create your own guestbook, but design it aswell!, better still, you do not need to know ANY HTML or ASP. All you need to use this program, is to know how to use a mouse and keyboard.</source>
        <translation>Mit Quillset erstellen Sie Ihr eigenes Gästebuch und gestalten es auch selbst. Dazu brauchen Sie KEIN HTML und KEIN ASP: Sie müssen nur Maus und Tastatur bedienen können.</translation>
    </message>
    <message>
        <source>Once you click Next, Quillset will begin the wizard that will help you design and create your very own guestbook.</source>
        <translation>Sobald Sie auf „Weiter“ klicken, führt Sie Quillset Schritt für Schritt durch Gestaltung und Erstellung Ihres eigenen Gästebuchs.</translation>
    </message>
    <message>
        <source>Click &apos;Next &gt;&gt;&apos; to begin creating your guestbook.</source>
        <translation>Klicken Sie auf „Weiter &gt;&gt;“, um Ihr Gästebuch zu erstellen.</translation>
    </message>
    <message>
        <source>Note: To use guestbooks created with this program, you MUST have an ASP capable web server (e.g. Internet Information Services), and have sufficient permissions to use the FileSystemObject (provided by Microsoft Windows Script).</source>
        <translation>Hinweis: Für die mit diesem Programm erstellten Gästebücher brauchen Sie UNBEDINGT einen Webserver, der ASP ausführt (z. B. Internet Information Services), und die Berechtigung, das FileSystemObject (aus Microsoft Windows Script) zu verwenden.</translation>
    </message>
    <message>
        <source>Step 1: Introduction</source>
        <translation>Schritt 1: Einführung</translation>
    </message>
</context>
<context>
    <name>MessagePrompt</name>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
</context>
<context>
    <name>TitleBodyStep</name>
    <message>
        <source>Select a folder to save your guestbook to</source>
        <translation>Wählen Sie den Ordner, in dem Ihr Gästebuch gespeichert wird</translation>
    </message>
    <message>
        <source>Step 2: Title, body and tables</source>
        <translation>Schritt 2: Titel, Seite und Tabelle</translation>
    </message>
    <message>
        <source>This step allows you to set the title and fonts for your guestbook.</source>
        <translation>In diesem Schritt legen Sie den Titel und das Aussehen Ihres Gästebuchs fest.</translation>
    </message>
    <message>
        <source>Guestbook Title:</source>
        <translation>Gästebuch-Titel:</translation>
    </message>
    <message>
        <source>Change project title</source>
        <translation>Projekttitel ändern</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Speichern in:</translation>
    </message>
    <message>
        <source>Change project &apos;Save To&apos; path</source>
        <translation>Ordner „Speichern in“ ändern</translation>
    </message>
    <message>
        <source>Main body</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Background Image:</source>
        <translation>Hintergrundbild:</translation>
    </message>
    <message>
        <source>Background Color:</source>
        <translation>Hintergrundfarbe:</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Table width:</source>
        <translation>Tabellenbreite:</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Table border:</source>
        <translation>Tabellenrahmen:</translation>
    </message>
    <message>
        <source>Table border</source>
        <translation>Tabellenrahmen</translation>
    </message>
    <message>
        <source>Border width:</source>
        <translation>Rahmenbreite:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Modern, fits phones and screen readers</source>
        <translation>Modern, für Telefone und Bildschirmleser</translation>
    </message>
    <message>
        <source>Page st&amp;yle:</source>
        <translation>Seiten&amp;stil:</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>&amp;Language of the pages:</source>
        <translation>S&amp;prache der Seiten:</translation>
    </message>
</context>
<context>
    <name>UserText</name>
    <message>
        <source>The key of %1 is not trusted yet (%2). Publish once from the window to accept it.</source>
        <translation>Der Schlüssel von %1 ist noch nicht vertrauenswürdig (%2). Veröffentlichen Sie einmal aus dem Fenster, um ihn anzunehmen.</translation>
    </message>
    <message>
        <source>The certificate of %1 is not trusted yet (%2). Publish once from the window to accept it.</source>
        <translation>Das Zertifikat von %1 ist noch nicht vertrauenswürdig (%2). Veröffentlichen Sie einmal aus dem Fenster, um es anzunehmen.</translation>
    </message>
    <message>
        <source>Name the project to publish: quillset --publish &lt;project title&gt; [--password-stdin]</source>
        <translation>Nennen Sie das zu veröffentlichende Projekt: quillset --publish &lt;Projekttitel&gt; [--password-stdin]</translation>
    </message>
    <message>
        <source>No project &quot;%1&quot; is saved.</source>
        <translation>Es ist kein Projekt „%1“ gespeichert.</translation>
    </message>
    <message>
        <source>The project has no server settings: publish it once from the window. %1</source>
        <translation>Das Projekt hat keine Servereinstellungen: Veröffentlichen Sie es einmal aus dem Fenster. %1</translation>
    </message>
    <message>
        <source>No password is remembered for %1: give it with --password-stdin.</source>
        <translation>Für %1 ist kein Passwort gespeichert: Geben Sie es mit --password-stdin an.</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Sent %1</source>
        <translation>Gesendet: %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Status: Writing %1 [ %2 ]</source>
        <translation>Status: %1 wird geschrieben [ %2 ]</translation>
    </message>
    <message>
        <source>file header</source>
        <translation>Dateikopf</translation>
    </message>
    <message>
        <source>file body</source>
        <translation>Dateiinhalt</translation>
    </message>
    <message>
        <source>page title</source>
        <translation>Seitentitel</translation>
    </message>
    <message>
        <source>fields</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>file footer</source>
        <translation>Dateiende</translation>
    </message>
    <message>
        <source>script header</source>
        <translation>Skriptkopf</translation>
    </message>
    <message>
        <source>owner page</source>
        <translation>Besitzerseite</translation>
    </message>
    <message>
        <source>The owner page %1 could not be removed</source>
        <translation>Die Besitzerseite %1 konnte nicht entfernt werden</translation>
    </message>
    <message>
        <source>request filter</source>
        <translation>Anfragefilter</translation>
    </message>
    <message>
        <source>Status: Checking file paths</source>
        <translation>Status: Dateipfade werden geprüft</translation>
    </message>
    <message>
        <source>The background picture %1 cannot be read (%2). Choose it again on step 2, or set it to None</source>
        <translation>Das Hintergrundbild %1 kann nicht gelesen werden (%2). Wählen Sie es in Schritt 2 erneut, oder stellen Sie es auf „None“</translation>
    </message>
    <message>
        <source>The guestbook could not be written into %1. Choose another folder on step 2</source>
        <translation>Das Gästebuch konnte nicht in %1 geschrieben werden. Wählen Sie in Schritt 2 einen anderen Ordner</translation>
    </message>
    <message>
        <source>Status: Checking project name</source>
        <translation>Status: Projektname wird geprüft</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name the project folder</source>
        <translation>„%1“ kann den Projektordner nicht benennen</translation>
    </message>
    <message>
        <source>Status: Checking project path</source>
        <translation>Status: Projektpfad wird geprüft</translation>
    </message>
    <message>
        <source>The folder %1 could not be made</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Status: Creating project directory</source>
        <translation>Status: Projektordner wird angelegt</translation>
    </message>
    <message>
        <source>Status: Creating project files</source>
        <translation>Status: Projektdateien werden erstellt</translation>
    </message>
    <message>
        <source>it becomes the server script marker &quot;%1&quot; in the page code page %2</source>
        <translation>in der Codepage %2 der Seiten wird daraus die Server-Skriptmarke „%1“</translation>
    </message>
    <message>
        <source>it becomes a control character in the page code page %1</source>
        <translation>in der Codepage %1 der Seiten wird daraus ein Steuerzeichen</translation>
    </message>
    <message>
        <source>it holds the server script marker &quot;%1&quot;</source>
        <translation>darin steht die Server-Skriptmarke „%1“</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>darin steht ein Steuerzeichen</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which the page code page %2 cannot hold</source>
        <translation>darin steht „%1“, das die Codepage %2 der Seiten nicht darstellen kann</translation>
    </message>
    <message>
        <source>it is shorter than %1 characters</source>
        <translation>das sind weniger als %1 Zeichen</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which a field name cannot hold</source>
        <translation>darin steht „%1“, das in keinem Feldnamen stehen darf</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; cannot be used in a page: %3</source>
        <translation>%1 „%2“ kann nicht in einer Seite verwendet werden: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; of field &quot;%3&quot; cannot be used in a page: %4</source>
        <translation>%1 „%2“ des Feldes „%3“ kann nicht in einer Seite verwendet werden: %4</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>The project has no fields, and a guestbook needs at least one</source>
        <translation>Das Projekt hat keine Felder, und ein Gästebuch braucht mindestens eines</translation>
    </message>
    <message>
        <source>Field name</source>
        <translation>Feldname</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which an image address cannot hold</source>
        <translation>darin steht „%1“, das in keiner Bildadresse stehen darf</translation>
    </message>
    <message>
        <source>in its text &quot;%1&quot;, %2</source>
        <translation>in seinem Text „%1“: %2</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which the settings file cannot hold</source>
        <translation>darin steht „%1“, das die Einstellungsdatei nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>%1 needs at least %2 characters</source>
        <translation>%1 braucht mindestens %2 Zeichen</translation>
    </message>
    <message>
        <source>%1 cannot be used in a page: %2</source>
        <translation>%1 kann nicht in einer Seite verwendet werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be saved: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The title cannot hold &quot;%1&quot; (%2)</source>
        <translation>Der Titel darf „%1“ nicht enthalten (%2)</translation>
    </message>
    <message>
        <source>The title</source>
        <translation>Der Titel</translation>
    </message>
    <message>
        <source>Invalid title. Please check and try again</source>
        <translation>Ungültiger Titel. Bitte prüfen Sie ihn und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>it separates saved projects</source>
        <translation>es trennt gespeicherte Projekte</translation>
    </message>
    <message>
        <source>it stands for a space in saved project names</source>
        <translation>es steht in gespeicherten Projektnamen für ein Leerzeichen</translation>
    </message>
    <message>
        <source>the title names the project&apos;s folder</source>
        <translation>der Titel benennt den Projektordner</translation>
    </message>
    <message>
        <source>The title differs from the saved project &quot;%1&quot; only in capitals or end spaces</source>
        <translation>Der Titel unterscheidet sich vom gespeicherten Projekt „%1“ nur in Groß- und Kleinschreibung oder Leerzeichen am Ende</translation>
    </message>
    <message>
        <source>The field name</source>
        <translation>Der Feldname</translation>
    </message>
    <message>
        <source>Invalid field name</source>
        <translation>Ungültiger Feldname</translation>
    </message>
    <message>
        <source>The preview folder could not be made in %1: %2</source>
        <translation>Der Vorschauordner konnte nicht in %1 angelegt werden: %2</translation>
    </message>
    <message>
        <source>your home folder</source>
        <translation>Ihr Home-Ordner</translation>
    </message>
    <message>
        <source>The server refused the log-in as &quot;%1&quot;. Check the user name and the password, then try again.</source>
        <translation>Der Server hat die Anmeldung als „%1“ abgelehnt. Prüfen Sie Benutzername und Passwort und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist on the server. Correct the remote folder, or create it with your host&apos;s file manager, then try again.</source>
        <translation>Der Ordner „%1“ existiert auf dem Server nicht. Korrigieren Sie den Zielordner oder legen Sie ihn mit der Dateiverwaltung Ihres Anbieters an, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The server could not store %1 in &quot;%2&quot;: its disk may be full, or the account may not write there. Free some space or ask your host, then try again.</source>
        <translation>Der Server konnte %1 nicht in „%2“ speichern: Sein Datenträger ist vielleicht voll, oder das Konto darf dort nicht schreiben. Schaffen Sie Platz oder fragen Sie Ihren Anbieter, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost. Try again when the connection is back.</source>
        <translation>Die Verbindung zu %1 ist abgebrochen. Versuchen Sie es erneut, wenn die Verbindung wieder steht.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost while sending %2. Try again when the connection is back.</source>
        <translation>Die Verbindung zu %1 ist beim Senden von %2 abgebrochen. Versuchen Sie es erneut, wenn die Verbindung wieder steht.</translation>
    </message>
    <message>
        <source>Quillset could not reach %1 on port %2. Check the host name, the port and your Internet connection, then try again.</source>
        <translation>Quillset konnte %1 auf Port %2 nicht erreichen. Prüfen Sie den Hostnamen, den Port und Ihre Internetverbindung und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The server %1 no longer shows the key it showed before (it now shows %2). Someone may stand between you and your site: nothing was sent. Ask your host whether the key has changed before you publish again.</source>
        <translation>Der Server %1 zeigt nicht mehr den Schlüssel, den er zuvor gezeigt hat (jetzt zeigt er %2). Vielleicht steht jemand zwischen Ihnen und Ihrer Site: Es wurde nichts gesendet. Fragen Sie Ihren Anbieter, ob sich der Schlüssel geändert hat, bevor Sie erneut veröffentlichen.</translation>
    </message>
    <message>
        <source>another key</source>
        <translation>einen anderen Schlüssel</translation>
    </message>
    <message>
        <source>You did not accept the server&apos;s identity, so nothing was sent.</source>
        <translation>Sie haben die Identität des Servers nicht angenommen, daher wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Publishing was cancelled.</source>
        <translation>Das Veröffentlichen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The transfer to %1 failed: %2</source>
        <translation>Die Übertragung zu %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Quillset could not read %1: %2. Generate the guestbook again, then publish.</source>
        <translation>Quillset konnte %1 nicht lesen: %2. Erzeugen Sie das Gästebuch erneut und veröffentlichen Sie es dann.</translation>
    </message>
    <message>
        <source>The site was left as it was.</source>
        <translation>Die Site blieb, wie sie war.</translation>
    </message>
    <message>
        <source>Some pages may be new and others old: publish again to put the whole guestbook in place.</source>
        <translation>Manche Seiten sind vielleicht neu und andere alt: Veröffentlichen Sie erneut, um das ganze Gästebuch an seinen Platz zu bringen.</translation>
    </message>
    <message>
        <source>Quillset could not make the folder %1.</source>
        <translation>Quillset konnte den Ordner %1 nicht anlegen.</translation>
    </message>
    <message>
        <source>Quillset could not save %1: %2</source>
        <translation>Quillset konnte %1 nicht speichern: %2</translation>
    </message>
    <message>
        <source>Enter the server&apos;s host name.</source>
        <translation>Geben Sie den Hostnamen des Servers ein.</translation>
    </message>
    <message>
        <source>Enter the user name of your account on the server.</source>
        <translation>Geben Sie den Benutzernamen Ihres Kontos auf dem Server ein.</translation>
    </message>
    <message>
        <source>it is not a regular file of at most 64 KB</source>
        <translation>es ist keine gewöhnliche Datei von höchstens 64 KB</translation>
    </message>
    <message>
        <source>it names files outside its set</source>
        <translation>es nennt Dateien außerhalb seines Satzes</translation>
    </message>
    <message>
        <source>%1; not put back: %2</source>
        <translation>%1; nicht wiederhergestellt: %2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>The folder %1 is in use by another program</source>
        <translation>Der Ordner %1 wird von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>%1. Remove it, then try again</source>
        <translation>%1. Entfernen Sie es und versuchen Sie es dann erneut</translation>
    </message>
    <message>
        <source>The journal %1 of an unfinished write was left in place: %2</source>
        <translation>Das Journal %1 eines unvollendeten Schreibvorgangs wurde belassen: %2</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes could be written</source>
        <translation>Nur %1 von %2 Bytes konnten geschrieben werden</translation>
    </message>
    <message>
        <source>%1; the part written could not be removed: %2</source>
        <translation>%1; der geschriebene Teil konnte nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>it is not a whole number from 0 to %1</source>
        <translation>das ist keine ganze Zahl von 0 bis %1</translation>
    </message>
    <message>
        <source>it is not &quot;sha256:&quot;, 32 lower-case hex digits, &quot;:&quot; and 64 more</source>
        <translation>das ist nicht „sha256:“, 32 kleingeschriebene Hexadezimalziffern, „:“ und 64 weitere</translation>
    </message>
    <message>
        <source>it is neither %1 nor %2</source>
        <translation>das ist weder %1 noch %2</translation>
    </message>
    <message>
        <source>it is not one of %1</source>
        <translation>das ist keiner der Werte %1</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Table width</source>
        <translation>Tabellenbreite</translation>
    </message>
    <message>
        <source>Border width</source>
        <translation>Rahmenbreite</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Text font</source>
        <translation>Textschrift</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Textgröße</translation>
    </message>
    <message>
        <source>Link colour</source>
        <translation>Linkfarbe</translation>
    </message>
    <message>
        <source>Link font</source>
        <translation>Linkschrift</translation>
    </message>
    <message>
        <source>Link size</source>
        <translation>Linkgröße</translation>
    </message>
    <message>
        <source>Hover colour</source>
        <translation>Farbe unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>Hover font</source>
        <translation>Schrift unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>Hover size</source>
        <translation>Größe unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>Longest entry</source>
        <translation>Längster Eintrag</translation>
    </message>
    <message>
        <source>Entries per page</source>
        <translation>Einträge pro Seite</translation>
    </message>
    <message>
        <source>Owner page password</source>
        <translation>Passwort der Besitzerseite</translation>
    </message>
    <message>
        <source>Page style</source>
        <translation>Seitenstil</translation>
    </message>
    <message>
        <source>Page language</source>
        <translation>Seitensprache</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; cannot be saved: %2</source>
        <translation>Das Feld „%1“ kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is saved under the same key</source>
        <translation>das Feld „%1“ wird unter demselben Schlüssel gespeichert</translation>
    </message>
    <message>
        <source>it would not load back as it is</source>
        <translation>es würde nicht so zurückgeladen, wie es ist</translation>
    </message>
    <message>
        <source>it holds a line break, and the settings file keeps each value on one line</source>
        <translation>der Name enthält einen Zeilenumbruch, und die Einstellungsdatei hält jeden Wert auf einer Zeile</translation>
    </message>
    <message>
        <source>it holds &quot;=&quot;, which ends a key in the settings file</source>
        <translation>der Name enthält „=“, das in der Einstellungsdatei einen Schlüssel beendet</translation>
    </message>
    <message>
        <source>it holds &quot;,&quot;, which separates the parts of a saved field</source>
        <translation>der Name enthält „,“, das die Teile eines gespeicherten Feldes trennt</translation>
    </message>
    <message>
        <source>The lock file %1 is not a regular file</source>
        <translation>Die Sperrdatei %1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file</source>
        <translation>Die Einstellungsdatei %1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>The key &quot;%1&quot; cannot be stored in the settings file</source>
        <translation>Der Schlüssel „%1“ kann nicht in der Einstellungsdatei gespeichert werden</translation>
    </message>
    <message>
        <source>The settings file %1 is read-only</source>
        <translation>Die Einstellungsdatei %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>The settings file is in use by another program (lock file %1). Try again in a minute, or delete the lock file if no other %2 is running.</source>
        <translation>Die Einstellungsdatei wird von einem anderen Programm verwendet (Sperrdatei %1). Versuchen Sie es in einer Minute erneut, oder löschen Sie die Sperrdatei, wenn kein anderes %2 läuft.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be locked for writing: its lock file %2 cannot be made</source>
        <translation>Die Einstellungsdatei %1 kann nicht zum Schreiben gesperrt werden: Ihre Sperrdatei %2 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The settings file %1 is in windows-1252, which has no &quot;%2&quot;</source>
        <translation>Die Einstellungsdatei %1 ist in windows-1252, das kein „%2“ kennt</translation>
    </message>
</context>
<context>
    <name>WindowButtons</name>
    <message>
        <source>No projects to load</source>
        <translation>Keine Projekte zum Laden</translation>
    </message>
    <message>
        <source>Help files not present.<byte value="xd"/>
<byte value="xd"/>
Would you like to visit the online documentation?</source>
        <translation>Keine Hilfedateien vorhanden.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie die Dokumentation im Web lesen?</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Open Existing</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>This program is provided &quot;as is&quot;, without warranty of any kind, express or implied, including but not limited to the warranties of merchantability, fitness for a particular purpose and noninfringement. In no event shall the authors be liable for any claim, damages or other liability arising from the use of this program or of the guestbooks it generates. You are responsible for the pages you publish on your web server and for the entries your visitors leave in them.</source>
        <translation>Dieses Programm wird „wie es ist“ bereitgestellt, ohne ausdrückliche oder stillschweigende Gewährleistung jeglicher Art, einschließlich, aber nicht beschränkt auf die Gewährleistung der Marktgängigkeit, der Eignung für einen bestimmten Zweck und der Nichtverletzung von Rechten. Die Autoren haften in keinem Fall für Ansprüche, Schäden oder sonstige Haftung, die aus der Verwendung dieses Programms oder der damit erstellten Gästebücher entstehen. Sie sind für die Seiten verantwortlich, die Sie auf Ihrem Webserver veröffentlichen, und für die Einträge, die Ihre Besucher darin hinterlassen.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Haftungsausschluss</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
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
        <translation>Autor</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Lizenz</translation>
    </message>
</context>
<context>
    <name>frmAddField</name>
    <message>
        <source>Error: Field name already present<byte value="xd"/>
<byte value="xd"/>
To prevent problems, field names must be unique.</source>
        <translation>Fehler: Den Feldnamen gibt es schon<byte value="xd"/>
<byte value="xd"/>
Damit nichts schiefgeht, muss jeder Feldname eindeutig sein.</translation>
    </message>
    <message>
        <source>Error: Field name too close to another field<byte value="xd"/>
<byte value="xd"/>
Field names must differ in more than capital letters and in more than a space where the other has an underscore.</source>
        <translation>Fehler: Der Feldname ist einem anderen Feld zu ähnlich<byte value="xd"/>
<byte value="xd"/>
Feldnamen müssen sich in mehr als Groß- und Kleinschreibung unterscheiden und in mehr als einem Leerzeichen, wo der andere einen Unterstrich hat.</translation>
    </message>
    <message>
        <source>Left out: </source>
        <translation>Weggelassen: </translation>
    </message>
    <message>
        <source>Add new field</source>
        <translation>Neues Feld</translation>
    </message>
    <message>
        <source>Field Name:</source>
        <translation>Feldname:</translation>
    </message>
    <message>
        <source>Field Type:</source>
        <translation>Feldtyp:</translation>
    </message>
    <message>
        <source>Rows:</source>
        <translation>Zeilen:</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>Spalten:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Farben</translation>
    </message>
    <message>
        <source>Colour palette</source>
        <translation>Farbpalette</translation>
    </message>
    <message>
        <source>Colour preview</source>
        <translation>Farbvorschau</translation>
    </message>
    <message>
        <source>Colour palette: </source>
        <translation>Farbpalette: </translation>
    </message>
</context>
<context>
    <name>frmEdit</name>
    <message>
        <source>Project Title</source>
        <translation>Projekttitel</translation>
    </message>
    <message>
        <source>Current:</source>
        <translation>Bisher:</translation>
    </message>
    <message>
        <source>New:</source>
        <translation>Neu:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Vorhandenes laden</translation>
    </message>
    <message>
        <source>Load Project</source>
        <translation>Projekt laden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Projects</source>
        <translation>Projekte</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Your guestbook has been generated successfully<byte value="xd"/>
<byte value="xd"/>
Would you like to view your files now?</source>
        <translation>Ihr Gästebuch wurde erstellt<byte value="xd"/>
<byte value="xd"/>
Möchten Sie die Dateien jetzt ansehen?</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Weiter &gt;&gt;</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig stellen</translation>
    </message>
    <message>
        <source>Would you like to save your guestbook settings first?</source>
        <translation>Möchten Sie Ihre Gästebuch-Einstellungen vorher speichern?</translation>
    </message>
    <message>
        <source>Settings loaded for: </source>
        <translation>Einstellungen geladen für: </translation>
    </message>
    <message>
        <source>Step 1: Introduction</source>
        <translation>Schritt 1: Einführung</translation>
    </message>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt;&lt; Zurück</translation>
    </message>
</context>
<context>
    <name>frmMenu</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Add new Field</source>
        <translation>Neues Feld hinzufügen</translation>
    </message>
    <message>
        <source>Add a new field</source>
        <translation>Ein neues Feld hinzufügen</translation>
    </message>
    <message>
        <source>Delete Field</source>
        <translation>Feld löschen</translation>
    </message>
    <message>
        <source>Edit Field</source>
        <translation>Feld bearbeiten</translation>
    </message>
    <message>
        <source>Edit field properties</source>
        <translation>Feldeigenschaften bearbeiten</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move the field up</source>
        <translation>Feld nach oben verschieben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move the field down</source>
        <translation>Feld nach unten verschieben</translation>
    </message>
</context>
<context>
    <name>frmProtection</name>
    <message>
        <source>Error: The password and its confirmation differ. Please type them again</source>
        <translation>Fehler: Passwort und Bestätigung stimmen nicht überein. Bitte geben Sie beide erneut ein</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message>
        <source>Guestbook protection</source>
        <translation>Gästebuch-Schutz</translation>
    </message>
    <message>
        <source>&amp;Stop spam robots</source>
        <translation>&amp;Spam-Roboter abwehren</translation>
    </message>
    <message>
        <source>&amp;Longest entry (characters)</source>
        <translation>&amp;Längster Eintrag (Zeichen)</translation>
    </message>
    <message>
        <source>&amp;Entries per page</source>
        <translation>&amp;Einträge pro Seite</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Owner page &amp;password</source>
        <translation>&amp;Passwort der Besitzerseite</translation>
    </message>
    <message>
        <source>&amp;Confirm password</source>
        <translation>Passwort &amp;bestätigen</translation>
    </message>
    <message>
        <source>&amp;Remove owner page</source>
        <translation>Besitzerseite ent&amp;fernen</translation>
    </message>
    <message>
        <source>&amp;Hold new entries until I approve them</source>
        <translation>Neue Einträge &amp;zurückhalten, bis ich sie freigebe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error: The owner page password needs at least 10 characters other than spaces: a shorter one can be found by trying passwords one after another</source>
        <translation>Fehler: Das Passwort der Besitzerseite braucht mindestens 10 Zeichen außer Leerzeichen: Ein kürzeres lässt sich durch Ausprobieren eines Passworts nach dem anderen finden</translation>
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
        <translation>FTPS (FTP mit explizitem TLS)</translation>
    </message>
    <message>
        <source>FTP (not encrypted)</source>
        <translation>FTP (unverschlüsselt)</translation>
    </message>
    <message>
        <source>Put your guestbook online</source>
        <translation>Gästebuch online stellen</translation>
    </message>
    <message>
        <source>P&amp;rotocol</source>
        <translation>P&amp;rotokoll</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>&amp;Server</translation>
    </message>
    <message>
        <source>P&amp;ort</source>
        <translation>P&amp;ort</translation>
    </message>
    <message>
        <source>&amp;User name</source>
        <translation>&amp;Benutzername</translation>
    </message>
    <message>
        <source>Remote &amp;folder</source>
        <translation>Ziel&amp;ordner</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Passwort</translation>
    </message>
    <message>
        <source>R&amp;emember the password</source>
        <translation>Passwort m&amp;erken</translation>
    </message>
    <message>
        <source>Site&apos;s &amp;web address</source>
        <translation>&amp;Webadresse der Site</translation>
    </message>
    <message>
        <source>Plain FTP sends your password unencrypted: anyone on the way can read it. Choose SFTP or FTPS if your host offers them.</source>
        <translation>Einfaches FTP sendet Ihr Passwort unverschlüsselt: Jeder auf dem Weg kann es lesen. Wählen Sie SFTP oder FTPS, wenn Ihr Anbieter sie unterstützt.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Download entries</source>
        <translation>Einträge laden</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Veröffentlichen</translation>
    </message>
    <message>
        <source>Check the site</source>
        <translation>Site prüfen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No secret store is running on this desktop, so Quillset cannot remember the password: type it each time you publish.</source>
        <translation>Auf diesem Desktop läuft kein Passwortspeicher, daher kann sich Quillset das Passwort nicht merken: Geben Sie es bei jedem Veröffentlichen ein.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Sending %1</source>
        <translation>Sende %1</translation>
    </message>
    <message>
        <source>Error: The password could not be remembered: %1</source>
        <translation>Fehler: Das Passwort konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Sent: %1</source>
        <translation>Gesendet: %1</translation>
    </message>
    <message>
        <source>Your guestbook is online.</source>
        <translation>Ihr Gästebuch ist online.</translation>
    </message>
    <message>
        <source>The entries were saved in %1</source>
        <translation>Die Einträge wurden in %1 gespeichert</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message>
        <source>Checking the site...</source>
        <translation>Site wird geprüft...</translation>
    </message>
    <message>
        <source>This is the first connection to %1. Its key has the fingerprint<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Compare it with the one your host gives. Is it the same?</source>
        <translation>Dies ist die erste Verbindung zu %1. Der Schlüssel des Servers hat den Fingerabdruck<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Vergleichen Sie ihn mit dem, den Ihr Anbieter angibt. Stimmen beide überein?</translation>
    </message>
    <message>
        <source>The certificate of %1 is not signed by an authority this computer trusts. Its SHA-256 fingerprint is<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Compare it with the one your host gives. Is it the same?</source>
        <translation>Das Zertifikat von %1 ist von keiner Stelle signiert, der dieser Computer vertraut. Sein SHA-256-Fingerabdruck ist<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Vergleichen Sie ihn mit dem, den Ihr Anbieter angibt. Stimmen beide überein?</translation>
    </message>
    <message>
        <source>Your guestbook: </source>
        <translation>Ihr Gästebuch: </translation>
    </message>
    <message>
        <source>Your owner page: </source>
        <translation>Ihre Besitzerseite: </translation>
    </message>
    <message>
        <source>The sign page at %1 does not answer (%2). Check the address and that the site is online.</source>
        <translation>Die Eintragsseite unter %1 antwortet nicht (%2). Prüfen Sie die Adresse und ob die Site online ist.</translation>
    </message>
    <message>
        <source>The server answers %1 with error %2: the pages are not at this address. Check the site&apos;s address and the remote folder.</source>
        <translation>Der Server beantwortet %1 mit Fehler %2: Die Seiten liegen nicht unter dieser Adresse. Prüfen Sie die Adresse der Site und den Zielordner.</translation>
    </message>
    <message>
        <source>The sign page answers at %1.</source>
        <translation>Die Eintragsseite antwortet unter %1.</translation>
    </message>
    <message>
        <source>The server sends the page&apos;s script instead of running it: this folder does not run classic ASP pages. Ask your host to turn ASP on.</source>
        <translation>Der Server sendet das Skript der Seite, statt es auszuführen: Dieser Ordner führt keine klassischen ASP-Seiten aus. Bitten Sie Ihren Anbieter, ASP einzuschalten.</translation>
    </message>
    <message>
        <source>The server runs the ASP pages.</source>
        <translation>Der Server führt die ASP-Seiten aus.</translation>
    </message>
    <message>
        <source>Anyone can read the entries that wait for you at %1. Ask your host to hide .txt files in this folder.</source>
        <translation>Jeder kann die Einträge lesen, die unter %1 auf Ihre Freigabe warten. Bitten Sie Ihren Anbieter, .txt-Dateien in diesem Ordner zu verbergen.</translation>
    </message>
    <message>
        <source>pending.txt is hidden from visitors.</source>
        <translation>pending.txt ist für Besucher verborgen.</translation>
    </message>
</context>
</TS>
