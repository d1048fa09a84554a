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
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
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
