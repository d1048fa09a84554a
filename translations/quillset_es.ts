<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ColourName</name>
    <message>
        <source>black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>gris oscuro</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>gris claro</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cian</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>morado</translation>
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
        <translation>marrón</translation>
    </message>
    <message>
        <source>dark %1</source>
        <translation>%1 oscuro</translation>
    </message>
    <message>
        <source>light %1</source>
        <translation>%1 claro</translation>
    </message>
</context>
<context>
    <name>DesktopActions</name>
    <message>
        <source>Error: Unable to open %1</source>
        <translation>Error: no se puede abrir %1</translation>
    </message>
</context>
<context>
    <name>DesktopStartup</name>
    <message>
        <source>Error: Quillset cannot save its settings in %1. Projects will not be kept.</source>
        <translation>Error: Quillset no puede guardar su configuración en %1. Los proyectos no se conservarán.</translation>
    </message>
</context>
<context>
    <name>FieldsStep</name>
    <message>
        <source>Error: You must specify atleast one field</source>
        <translation>Error: debe indicar al menos un campo</translation>
    </message>
    <message>
        <source>Step 4: Fields</source>
        <translation>Paso 4: Campos</translation>
    </message>
    <message>
        <source>The following allows you to set the fields you would like to appear on your guestbook (e.g. Name, E-mail etc).</source>
        <translation>Aquí puede elegir los campos que aparecerán en su libro de visitas (p. ej. Nombre, Correo, etc.).</translation>
    </message>
    <message>
        <source>Field Name</source>
        <translation>Nombre del campo</translation>
    </message>
    <message>
        <source>Field Type</source>
        <translation>Tipo de campo</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Filas</translation>
    </message>
    <message>
        <source>Cols</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Campos</translation>
    </message>
    <message>
        <source>Add Field</source>
        <translation>Añadir campo</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
</context>
<context>
    <name>FontsStep</name>
    <message>
        <source>Step 3: Fonts and links</source>
        <translation>Paso 3: Fuentes y enlaces</translation>
    </message>
    <message>
        <source>This step allows you to set the font settings that will be used for your guestbook.</source>
        <translation>En este paso puede elegir las fuentes que usará su libro de visitas.</translation>
    </message>
    <message>
        <source>Hyperlinks</source>
        <translation>Enlaces</translation>
    </message>
    <message>
        <source>Default/Mouse Out</source>
        <translation>Normal/ratón fuera</translation>
    </message>
    <message>
        <source>Mouse Over</source>
        <translation>Ratón encima</translation>
    </message>
    <message>
        <source>Font Color:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Font Face:</source>
        <translation>Fuente:</translation>
    </message>
    <message>
        <source>Font Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Hard to read: the text colour on the background colour has a contrast of %1:1; at least 4.5:1 is advised.</source>
        <translation>Difícil de leer: el color del texto sobre el color de fondo tiene un contraste de %1:1; se aconseja al menos 4.5:1.</translation>
    </message>
</context>
<context>
    <name>GenerationStep</name>
    <message>
        <source>Step 5: Guestbook Generation</source>
        <translation>Paso 5: Creación del libro de visitas</translation>
    </message>
    <message>
        <source>Your guestbook settings will now be saved and your guestbook file&apos;s generated in the path specified below.</source>
        <translation>La configuración de su libro de visitas se guardará y sus archivos se crearán en la carpeta indicada abajo.</translation>
    </message>
    <message>
        <source>Project Name:</source>
        <translation>Nombre del proyecto:</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Ruta:</translation>
    </message>
    <message>
        <source>Once you click &apos;Finish&apos;, Quillset will begin creating the file&apos;s you will need for your guestbook.</source>
        <translation>En cuanto pulse «Finalizar», Quillset creará los archivos que necesita su libro de visitas.</translation>
    </message>
    <message>
        <source>Protection</source>
        <translation>Protección</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Project Name: </source>
        <translation>Nombre del proyecto: </translation>
    </message>
    <message>
        <source>robot guard</source>
        <translation>protección contra robots</translation>
    </message>
    <message>
        <source>at most %1 characters a field</source>
        <translation>como máximo %1 caracteres por campo</translation>
    </message>
    <message>
        <source>%1 entries a page</source>
        <translation>%1 entradas por página</translation>
    </message>
    <message>
        <source>owner page</source>
        <translation>página del propietario</translation>
    </message>
    <message>
        <source>new entries held for approval</source>
        <translation>entradas nuevas retenidas hasta su aprobación</translation>
    </message>
    <message>
        <source>Protection: %1</source>
        <translation>Protección: %1</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivada</translation>
    </message>
    <message>
        <source>The web server must let the pages write to %1.</source>
        <translation>El servidor web debe permitir que las páginas escriban en %1.</translation>
    </message>
    <message>
        <source>The web server must let the pages write to %1 and %2.</source>
        <translation>El servidor web debe permitir que las páginas escriban en %1 y %2.</translation>
    </message>
    <message>
        <source>Owner page: %1 (not linked). %2</source>
        <translation>Página del propietario: %1 (sin enlace). %2</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publicar</translation>
    </message>
</context>
<context>
    <name>IntroStep</name>
    <message>
        <source>Welcome to Quillset!. This program was created with the intention of making things easier for those wishing to have a guestbook for their website, but do not posess the knowledge required to create such.</source>
        <translation>¡Bienvenido a Quillset! Este programa ayuda a quienes desean un libro de visitas para su sitio web pero no saben cómo crearlo.</translation>
    </message>
    <message>
        <source>Quillset allows you to not only create your own guestbook, but design it aswell!, better still, you do not need to know ANY HTML or ASP. All you need to use this program, is to know how to use a mouse and keyboard.</source>
        <translation>Con Quillset no solo crea su propio libro de visitas, sino que también lo diseña. No necesita saber NADA de HTML ni de ASP: solo hace falta saber usar el ratón y el teclado.</translation>
    </message>
    <message>
        <source>Once you click Next, Quillset will begin the wizard that will help you design and create your very own guestbook.</source>
        <translation>En cuanto pulse Siguiente, Quillset le guiará paso a paso para diseñar y crear su propio libro de visitas.</translation>
    </message>
    <message>
        <source>Click &apos;Next &gt;&gt;&apos; to begin creating your guestbook.</source>
        <translation>Pulse «Siguiente &gt;&gt;» para empezar a crear su libro de visitas.</translation>
    </message>
    <message>
        <source>Note: To use guestbooks created with this program, you MUST have an ASP capable web server (e.g. Internet Information Services), and have sufficient permissions to use the FileSystemObject (provided by Microsoft Windows Script).</source>
        <translation>Nota: para usar los libros de visitas creados con este programa DEBE tener un servidor web que ejecute ASP (p. ej. Internet Information Services) y permiso para usar el FileSystemObject (de Microsoft Windows Script).</translation>
    </message>
    <message>
        <source>Step 1: Introduction</source>
        <translation>Paso 1: Introducción</translation>
    </message>
</context>
<context>
    <name>MessagePrompt</name>
    <message>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
    </message>
</context>
<context>
    <name>TitleBodyStep</name>
    <message>
        <source>Select a folder to save your guestbook to</source>
        <translation>Elija la carpeta donde guardar su libro de visitas</translation>
    </message>
    <message>
        <source>Step 2: Title, body and tables</source>
        <translation>Paso 2: Título, página y tabla</translation>
    </message>
    <message>
        <source>This step allows you to set the title and fonts for your guestbook.</source>
        <translation>En este paso puede elegir el título y el aspecto de su libro de visitas.</translation>
    </message>
    <message>
        <source>Guestbook Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Change project title</source>
        <translation>Cambiar el título del proyecto</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Guardar en:</translation>
    </message>
    <message>
        <source>Change project &apos;Save To&apos; path</source>
        <translation>Cambiar la carpeta «Guardar en»</translation>
    </message>
    <message>
        <source>Main body</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Background Image:</source>
        <translation>Imagen de fondo:</translation>
    </message>
    <message>
        <source>Background Color:</source>
        <translation>Color de fondo:</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Table width:</source>
        <translation>Ancho de la tabla:</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Table border:</source>
        <translation>Borde de la tabla:</translation>
    </message>
    <message>
        <source>Table border</source>
        <translation>Borde de la tabla</translation>
    </message>
    <message>
        <source>Border width:</source>
        <translation>Grosor del borde:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Modern, fits phones and screen readers</source>
        <translation>Moderno, apto para teléfonos y lectores de pantalla</translation>
    </message>
    <message>
        <source>Page st&amp;yle:</source>
        <translation>Es&amp;tilo de las páginas:</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>&amp;Language of the pages:</source>
        <translation>&amp;Idioma de las páginas:</translation>
    </message>
</context>
<context>
    <name>UserText</name>
    <message>
        <source>The key of %1 is not trusted yet (%2). Publish once from the window to accept it.</source>
        <translation>La clave de %1 aún no es de confianza (%2). Publique una vez desde la ventana para aceptarla.</translation>
    </message>
    <message>
        <source>The certificate of %1 is not trusted yet (%2). Publish once from the window to accept it.</source>
        <translation>El certificado de %1 aún no es de confianza (%2). Publique una vez desde la ventana para aceptarlo.</translation>
    </message>
    <message>
        <source>Name the project to publish: quillset --publish &lt;project title&gt; [--password-stdin]</source>
        <translation>Indique el proyecto que desea publicar: quillset --publish &lt;título del proyecto&gt; [--password-stdin]</translation>
    </message>
    <message>
        <source>No project &quot;%1&quot; is saved.</source>
        <translation>No hay ningún proyecto «%1» guardado.</translation>
    </message>
    <message>
        <source>The project has no server settings: publish it once from the window. %1</source>
        <translation>El proyecto no tiene configuración de servidor: publíquelo una vez desde la ventana. %1</translation>
    </message>
    <message>
        <source>No password is remembered for %1: give it with --password-stdin.</source>
        <translation>No hay ninguna contraseña guardada para %1: indíquela con --password-stdin.</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Sent %1</source>
        <translation>Enviado: %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Status: Writing %1 [ %2 ]</source>
        <translation>Estado: escribiendo %1 [ %2 ]</translation>
    </message>
    <message>
        <source>file header</source>
        <translation>la cabecera del archivo</translation>
    </message>
    <message>
        <source>file body</source>
        <translation>el cuerpo del archivo</translation>
    </message>
    <message>
        <source>page title</source>
        <translation>el título de la página</translation>
    </message>
    <message>
        <source>fields</source>
        <translation>los campos</translation>
    </message>
    <message>
        <source>file footer</source>
        <translation>el pie del archivo</translation>
    </message>
    <message>
        <source>script header</source>
        <translation>la cabecera del script</translation>
    </message>
    <message>
        <source>owner page</source>
        <translation>la página del propietario</translation>
    </message>
    <message>
        <source>The owner page %1 could not be removed</source>
        <translation>No se pudo quitar la página del propietario %1</translation>
    </message>
    <message>
        <source>request filter</source>
        <translation>el filtro de peticiones</translation>
    </message>
    <message>
        <source>Status: Checking file paths</source>
        <translation>Estado: comprobando las rutas de los archivos</translation>
    </message>
    <message>
        <source>The background picture %1 cannot be read (%2). Choose it again on step 2, or set it to None</source>
        <translation>No se puede leer la imagen de fondo %1 (%2). Vuelva a elegirla en el paso 2 o póngala en «None»</translation>
    </message>
    <message>
        <source>The guestbook could not be written into %1. Choose another folder on step 2</source>
        <translation>No se pudo escribir el libro de visitas en %1. Elija otra carpeta en el paso 2</translation>
    </message>
    <message>
        <source>Status: Checking project name</source>
        <translation>Estado: comprobando el nombre del proyecto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name the project folder</source>
        <translation>«%1» no puede dar nombre a la carpeta del proyecto</translation>
    </message>
    <message>
        <source>Status: Checking project path</source>
        <translation>Estado: comprobando la ruta del proyecto</translation>
    </message>
    <message>
        <source>The folder %1 could not be made</source>
        <translation>No se pudo crear la carpeta %1</translation>
    </message>
    <message>
        <source>Status: Creating project directory</source>
        <translation>Estado: creando la carpeta del proyecto</translation>
    </message>
    <message>
        <source>Status: Creating project files</source>
        <translation>Estado: creando los archivos del proyecto</translation>
    </message>
    <message>
        <source>it becomes the server script marker &quot;%1&quot; in the page code page %2</source>
        <translation>se convierte en la marca de script de servidor «%1» en la página de códigos %2 de las páginas</translation>
    </message>
    <message>
        <source>it becomes a control character in the page code page %1</source>
        <translation>se convierte en un carácter de control en la página de códigos %1 de las páginas</translation>
    </message>
    <message>
        <source>it holds the server script marker &quot;%1&quot;</source>
        <translation>contiene la marca de script de servidor «%1»</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>contiene un carácter de control</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which the page code page %2 cannot hold</source>
        <translation>contiene «%1», que la página de códigos %2 de las páginas no puede representar</translation>
    </message>
    <message>
        <source>it is shorter than %1 characters</source>
        <translation>tiene menos de %1 caracteres</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which a field name cannot hold</source>
        <translation>contiene «%1», que no puede figurar en un nombre de campo</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; cannot be used in a page: %3</source>
        <translation>%1 «%2» no se puede usar en una página: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; of field &quot;%3&quot; cannot be used in a page: %4</source>
        <translation>%1 «%2» del campo «%3» no se puede usar en una página: %4</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>The project has no fields, and a guestbook needs at least one</source>
        <translation>El proyecto no tiene campos, y un libro de visitas necesita al menos uno</translation>
    </message>
    <message>
        <source>Field name</source>
        <translation>Nombre de campo</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which an image address cannot hold</source>
        <translation>contiene «%1», que no puede figurar en la dirección de una imagen</translation>
    </message>
    <message>
        <source>in its text &quot;%1&quot;, %2</source>
        <translation>en su texto «%1», %2</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which the settings file cannot hold</source>
        <translation>contiene «%1», que el archivo de configuración no puede guardar</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 está vacío</translation>
    </message>
    <message>
        <source>%1 needs at least %2 characters</source>
        <translation>%1 necesita al menos %2 caracteres</translation>
    </message>
    <message>
        <source>%1 cannot be used in a page: %2</source>
        <translation>%1 no se puede usar en una página: %2</translation>
    </message>
    <message>
        <source>%1 cannot be saved: %2</source>
        <translation>%1 no se puede guardar: %2</translation>
    </message>
    <message>
        <source>The title cannot hold &quot;%1&quot; (%2)</source>
        <translation>El título no puede contener «%1» (%2)</translation>
    </message>
    <message>
        <source>The title</source>
        <translation>El título</translation>
    </message>
    <message>
        <source>Invalid title. Please check and try again</source>
        <translation>Título no válido. Compruébelo y vuelva a intentarlo</translation>
    </message>
    <message>
        <source>it separates saved projects</source>
        <translation>separa los proyectos guardados</translation>
    </message>
    <message>
        <source>it stands for a space in saved project names</source>
        <translation>representa un espacio en los nombres de los proyectos guardados</translation>
    </message>
    <message>
        <source>the title names the project&apos;s folder</source>
        <translation>el título da nombre a la carpeta del proyecto</translation>
    </message>
    <message>
        <source>The title differs from the saved project &quot;%1&quot; only in capitals or end spaces</source>
        <translation>El título solo se diferencia del proyecto guardado «%1» en las mayúsculas o en los espacios de los extremos</translation>
    </message>
    <message>
        <source>The field name</source>
        <translation>El nombre del campo</translation>
    </message>
    <message>
        <source>Invalid field name</source>
        <translation>Nombre de campo no válido</translation>
    </message>
    <message>
        <source>The preview folder could not be made in %1: %2</source>
        <translation>No se pudo crear la carpeta de vista previa en %1: %2</translation>
    </message>
    <message>
        <source>your home folder</source>
        <translation>su carpeta personal</translation>
    </message>
    <message>
        <source>The server refused the log-in as &quot;%1&quot;. Check the user name and the password, then try again.</source>
        <translation>El servidor rechazó el inicio de sesión como «%1». Compruebe el nombre de usuario y la contraseña y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist on the server. Correct the remote folder, or create it with your host&apos;s file manager, then try again.</source>
        <translation>La carpeta «%1» no existe en el servidor. Corrija la carpeta remota o créela con el gestor de archivos de su proveedor y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The server could not store %1 in &quot;%2&quot;: its disk may be full, or the account may not write there. Free some space or ask your host, then try again.</source>
        <translation>El servidor no pudo guardar %1 en «%2»: puede que su disco esté lleno o que la cuenta no pueda escribir allí. Libere espacio o consulte a su proveedor y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost. Try again when the connection is back.</source>
        <translation>Se perdió la conexión con %1. Vuelva a intentarlo cuando se restablezca la conexión.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost while sending %2. Try again when the connection is back.</source>
        <translation>Se perdió la conexión con %1 mientras se enviaba %2. Vuelva a intentarlo cuando se restablezca la conexión.</translation>
    </message>
    <message>
        <source>Quillset could not reach %1 on port %2. Check the host name, the port and your Internet connection, then try again.</source>
        <translation>Quillset no pudo conectar con %1 en el puerto %2. Compruebe el nombre del servidor, el puerto y su conexión a Internet y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The server %1 no longer shows the key it showed before (it now shows %2). Someone may stand between you and your site: nothing was sent. Ask your host whether the key has changed before you publish again.</source>
        <translation>El servidor %1 ya no muestra la clave que mostraba antes (ahora muestra %2). Puede que alguien se interponga entre usted y su sitio: no se envió nada. Pregunte a su proveedor si la clave ha cambiado antes de volver a publicar.</translation>
    </message>
    <message>
        <source>another key</source>
        <translation>otra clave</translation>
    </message>
    <message>
        <source>You did not accept the server&apos;s identity, so nothing was sent.</source>
        <translation>No aceptó la identidad del servidor, así que no se envió nada.</translation>
    </message>
    <message>
        <source>Publishing was cancelled.</source>
        <translation>Se canceló la publicación.</translation>
    </message>
    <message>
        <source>The transfer to %1 failed: %2</source>
        <translation>La transferencia a %1 falló: %2</translation>
    </message>
    <message>
        <source>Quillset could not read %1: %2. Generate the guestbook again, then publish.</source>
        <translation>Quillset no pudo leer %1: %2. Vuelva a generar el libro de visitas y publíquelo después.</translation>
    </message>
    <message>
        <source>The site was left as it was.</source>
        <translation>El sitio quedó como estaba.</translation>
    </message>
    <message>
        <source>Some pages may be new and others old: publish again to put the whole guestbook in place.</source>
        <translation>Puede que unas páginas sean nuevas y otras antiguas: vuelva a publicar para poner en su sitio todo el libro de visitas.</translation>
    </message>
    <message>
        <source>Quillset could not make the folder %1.</source>
        <translation>Quillset no pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Quillset could not save %1: %2</source>
        <translation>Quillset no pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>Enter the server&apos;s host name.</source>
        <translation>Escriba el nombre del servidor.</translation>
    </message>
    <message>
        <source>Enter the user name of your account on the server.</source>
        <translation>Escriba el nombre de usuario de su cuenta en el servidor.</translation>
    </message>
    <message>
        <source>it is not a regular file of at most 64 KB</source>
        <translation>no es un archivo normal de 64 KB como máximo</translation>
    </message>
    <message>
        <source>it names files outside its set</source>
        <translation>nombra archivos que no son de su conjunto</translation>
    </message>
    <message>
        <source>%1; not put back: %2</source>
        <translation>%1; no restaurados: %2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>The folder %1 is in use by another program</source>
        <translation>Otro programa está usando la carpeta %1</translation>
    </message>
    <message>
        <source>%1. Remove it, then try again</source>
        <translation>%1. Quítelo y vuelva a intentarlo</translation>
    </message>
    <message>
        <source>The journal %1 of an unfinished write was left in place: %2</source>
        <translation>Se dejó en su sitio el diario %1 de una escritura sin terminar: %2</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes could be written</source>
        <translation>Solo se pudieron escribir %1 de %2 bytes</translation>
    </message>
    <message>
        <source>%1; the part written could not be removed: %2</source>
        <translation>%1; no se pudo quitar la parte escrita: %2</translation>
    </message>
    <message>
        <source>it is not a whole number from 0 to %1</source>
        <translation>no es un número entero de 0 a %1</translation>
    </message>
    <message>
        <source>it is not &quot;sha256:&quot;, 32 lower-case hex digits, &quot;:&quot; and 64 more</source>
        <translation>no es «sha256:», 32 dígitos hexadecimales en minúscula, «:» y 64 más</translation>
    </message>
    <message>
        <source>it is neither %1 nor %2</source>
        <translation>no es ni %1 ni %2</translation>
    </message>
    <message>
        <source>it is not one of %1</source>
        <translation>no es ninguno de %1</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Table width</source>
        <translation>Ancho de la tabla</translation>
    </message>
    <message>
        <source>Border width</source>
        <translation>Ancho del borde</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Text font</source>
        <translation>Fuente del texto</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tamaño del texto</translation>
    </message>
    <message>
        <source>Link colour</source>
        <translation>Color de los enlaces</translation>
    </message>
    <message>
        <source>Link font</source>
        <translation>Fuente de los enlaces</translation>
    </message>
    <message>
        <source>Link size</source>
        <translation>Tamaño de los enlaces</translation>
    </message>
    <message>
        <source>Hover colour</source>
        <translation>Color al pasar el ratón</translation>
    </message>
    <message>
        <source>Hover font</source>
        <translation>Fuente al pasar el ratón</translation>
    </message>
    <message>
        <source>Hover size</source>
        <translation>Tamaño al pasar el ratón</translation>
    </message>
    <message>
        <source>Longest entry</source>
        <translation>Entrada más larga</translation>
    </message>
    <message>
        <source>Entries per page</source>
        <translation>Entradas por página</translation>
    </message>
    <message>
        <source>Owner page password</source>
        <translation>Contraseña de la página del propietario</translation>
    </message>
    <message>
        <source>Page style</source>
        <translation>Estilo de página</translation>
    </message>
    <message>
        <source>Page language</source>
        <translation>Idioma de las páginas</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; cannot be saved: %2</source>
        <translation>El campo «%1» no se puede guardar: %2</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is saved under the same key</source>
        <translation>el campo «%1» se guarda con la misma clave</translation>
    </message>
    <message>
        <source>it would not load back as it is</source>
        <translation>no se volvería a cargar tal como está</translation>
    </message>
    <message>
        <source>it holds a line break, and the settings file keeps each value on one line</source>
        <translation>contiene un salto de línea, y el archivo de configuración guarda cada valor en una línea</translation>
    </message>
    <message>
        <source>it holds &quot;=&quot;, which ends a key in the settings file</source>
        <translation>contiene «=», que termina una clave en el archivo de configuración</translation>
    </message>
    <message>
        <source>it holds &quot;,&quot;, which separates the parts of a saved field</source>
        <translation>contiene «,», que separa las partes de un campo guardado</translation>
    </message>
    <message>
        <source>The lock file %1 is not a regular file</source>
        <translation>El archivo de bloqueo %1 no es un archivo normal</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file</source>
        <translation>El archivo de configuración %1 no es un archivo normal</translation>
    </message>
    <message>
        <source>The key &quot;%1&quot; cannot be stored in the settings file</source>
        <translation>La clave «%1» no se puede guardar en el archivo de configuración</translation>
    </message>
    <message>
        <source>The settings file %1 is read-only</source>
        <translation>El archivo de configuración %1 es de solo lectura</translation>
    </message>
    <message>
        <source>The settings file is in use by another program (lock file %1). Try again in a minute, or delete the lock file if no other %2 is running.</source>
        <translation>Otro programa está usando el archivo de configuración (archivo de bloqueo %1). Vuelva a intentarlo dentro de un minuto o borre el archivo de bloqueo si no hay otro %2 en marcha.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be locked for writing: its lock file %2 cannot be made</source>
        <translation>El archivo de configuración %1 no se puede bloquear para escribir: no se puede crear su archivo de bloqueo %2</translation>
    </message>
    <message>
        <source>The settings file %1 is in windows-1252, which has no &quot;%2&quot;</source>
        <translation>El archivo de configuración %1 está en windows-1252, que no tiene «%2»</translation>
    </message>
</context>
<context>
    <name>WindowButtons</name>
    <message>
        <source>No projects to load</source>
        <translation>No hay proyectos que cargar</translation>
    </message>
    <message>
        <source>Help files not present.<byte value="xd"/>
<byte value="xd"/>
Would you like to visit the online documentation?</source>
        <translation>No se encuentran los archivos de ayuda.<byte value="xd"/>
<byte value="xd"/>
¿Desea consultar la documentación en línea?</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Open Existing</source>
        <translation>Abrir existente</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>This program is provided &quot;as is&quot;, without warranty of any kind, express or implied, including but not limited to the warranties of merchantability, fitness for a particular purpose and noninfringement. In no event shall the authors be liable for any claim, damages or other liability arising from the use of this program or of the guestbooks it generates. You are responsible for the pages you publish on your web server and for the entries your visitors leave in them.</source>
        <translation>Este programa se ofrece «tal cual», sin garantía de ningún tipo, expresa o implícita, incluidas, entre otras, las garantías de comerciabilidad, idoneidad para un fin determinado y no infracción. En ningún caso los autores serán responsables de reclamaciones, daños u otras responsabilidades derivadas del uso de este programa o de los libros de visitas que genera. Usted es responsable de las páginas que publica en su servidor web y de las entradas que sus visitantes dejan en ellas.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Aviso legal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Compilación</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licencia</translation>
    </message>
</context>
<context>
    <name>frmAddField</name>
    <message>
        <source>Error: Field name already present<byte value="xd"/>
<byte value="xd"/>
To prevent problems, field names must be unique.</source>
        <translation>Error: el nombre de campo ya existe<byte value="xd"/>
<byte value="xd"/>
Para evitar problemas, cada nombre de campo debe ser único.</translation>
    </message>
    <message>
        <source>Error: Field name too close to another field<byte value="xd"/>
<byte value="xd"/>
Field names must differ in more than capital letters and in more than a space where the other has an underscore.</source>
        <translation>Error: el nombre de campo se parece demasiado a otro<byte value="xd"/>
<byte value="xd"/>
Los nombres de campo deben diferir en algo más que mayúsculas y en algo más que un espacio donde el otro tiene un guion bajo.</translation>
    </message>
    <message>
        <source>Left out: </source>
        <translation>Omitidos: </translation>
    </message>
    <message>
        <source>Add new field</source>
        <translation>Nuevo campo</translation>
    </message>
    <message>
        <source>Field Name:</source>
        <translation>Nombre del campo:</translation>
    </message>
    <message>
        <source>Field Type:</source>
        <translation>Tipo de campo:</translation>
    </message>
    <message>
        <source>Rows:</source>
        <translation>Filas:</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>Columnas:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmColors</name>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Colour palette</source>
        <translation>Paleta de colores</translation>
    </message>
    <message>
        <source>Colour preview</source>
        <translation>Vista previa del color</translation>
    </message>
    <message>
        <source>Colour palette: </source>
        <translation>Paleta de colores: </translation>
    </message>
</context>
<context>
    <name>frmEdit</name>
    <message>
        <source>Project Title</source>
        <translation>Título del proyecto</translation>
    </message>
    <message>
        <source>Current:</source>
        <translation>Actual:</translation>
    </message>
    <message>
        <source>New:</source>
        <translation>Nuevo:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmExisting</name>
    <message>
        <source>Load Existing</source>
        <translation>Cargar existente</translation>
    </message>
    <message>
        <source>Load Project</source>
        <translation>Cargar proyecto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Projects</source>
        <translation>Proyectos</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Your guestbook has been generated successfully<byte value="xd"/>
<byte value="xd"/>
Would you like to view your files now?</source>
        <translation>Su libro de visitas se ha creado<byte value="xd"/>
<byte value="xd"/>
¿Desea ver sus archivos ahora?</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Siguiente &gt;&gt;</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Would you like to save your guestbook settings first?</source>
        <translation>¿Desea guardar antes la configuración de su libro de visitas?</translation>
    </message>
    <message>
        <source>Settings loaded for: </source>
        <translation>Configuración cargada para: </translation>
    </message>
    <message>
        <source>Step 1: Introduction</source>
        <translation>Paso 1: Introducción</translation>
    </message>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt;&lt; Atrás</translation>
    </message>
</context>
<context>
    <name>frmMenu</name>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Add new Field</source>
        <translation>Añadir un campo</translation>
    </message>
    <message>
        <source>Add a new field</source>
        <translation>Añadir un campo nuevo</translation>
    </message>
    <message>
        <source>Delete Field</source>
        <translation>Eliminar campo</translation>
    </message>
    <message>
        <source>Edit Field</source>
        <translation>Editar campo</translation>
    </message>
    <message>
        <source>Edit field properties</source>
        <translation>Editar las propiedades del campo</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move the field up</source>
        <translation>Subir el campo</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Move the field down</source>
        <translation>Bajar el campo</translation>
    </message>
</context>
<context>
    <name>frmProtection</name>
    <message>
        <source>Error: The password and its confirmation differ. Please type them again</source>
        <translation>Error: la contraseña y su confirmación no coinciden. Escríbalas de nuevo</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>Guestbook protection</source>
        <translation>Protección del libro de visitas</translation>
    </message>
    <message>
        <source>&amp;Stop spam robots</source>
        <translation>&amp;Detener los robots de spam</translation>
    </message>
    <message>
        <source>&amp;Longest entry (characters)</source>
        <translation>Entrada más &amp;larga (caracteres)</translation>
    </message>
    <message>
        <source>&amp;Entries per page</source>
        <translation>&amp;Entradas por página</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Owner page &amp;password</source>
        <translation>&amp;Contraseña de la página del propietario</translation>
    </message>
    <message>
        <source>&amp;Confirm password</source>
        <translation>C&amp;onfirmar la contraseña</translation>
    </message>
    <message>
        <source>&amp;Remove owner page</source>
        <translation>&amp;Quitar la página del propietario</translation>
    </message>
    <message>
        <source>&amp;Hold new entries until I approve them</source>
        <translation>&amp;Retener las entradas nuevas hasta que las apruebe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Error: The owner page password needs at least 10 characters other than spaces: a shorter one can be found by trying passwords one after another</source>
        <translation>Error: la contraseña de la página del propietario necesita al menos 10 caracteres sin contar los espacios: una más corta se puede descubrir probando contraseñas una tras otra</translation>
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
        <translation>FTPS (FTP con TLS explícito)</translation>
    </message>
    <message>
        <source>FTP (not encrypted)</source>
        <translation>FTP (sin cifrar)</translation>
    </message>
    <message>
        <source>Put your guestbook online</source>
        <translation>Publicar su libro de visitas</translation>
    </message>
    <message>
        <source>P&amp;rotocol</source>
        <translation>P&amp;rotocolo</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>&amp;Servidor</translation>
    </message>
    <message>
        <source>P&amp;ort</source>
        <translation>P&amp;uerto</translation>
    </message>
    <message>
        <source>&amp;User name</source>
        <translation>&amp;Usuario</translation>
    </message>
    <message>
        <source>Remote &amp;folder</source>
        <translation>&amp;Carpeta remota</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>C&amp;ontraseña</translation>
    </message>
    <message>
        <source>R&amp;emember the password</source>
        <translation>R&amp;ecordar la contraseña</translation>
    </message>
    <message>
        <source>Site&apos;s &amp;web address</source>
        <translation>Dirección &amp;web del sitio</translation>
    </message>
    <message>
        <source>Plain FTP sends your password unencrypted: anyone on the way can read it. Choose SFTP or FTPS if your host offers them.</source>
        <translation>El FTP simple envía su contraseña sin cifrar: cualquiera en el camino puede leerla. Elija SFTP o FTPS si su proveedor los ofrece.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Download entries</source>
        <translation>Bajar entradas</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publicar</translation>
    </message>
    <message>
        <source>Check the site</source>
        <translation>Comprobar sitio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No secret store is running on this desktop, so Quillset cannot remember the password: type it each time you publish.</source>
        <translation>No hay ningún almacén de secretos en marcha en este escritorio, así que Quillset no puede recordar la contraseña: escríbala cada vez que publique.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Sending %1</source>
        <translation>Enviando %1</translation>
    </message>
    <message>
        <source>Error: The password could not be remembered: %1</source>
        <translation>Error: no se pudo recordar la contraseña: %1</translation>
    </message>
    <message>
        <source>Sent: %1</source>
        <translation>Enviado: %1</translation>
    </message>
    <message>
        <source>Your guestbook is online.</source>
        <translation>Su libro de visitas está en línea.</translation>
    </message>
    <message>
        <source>The entries were saved in %1</source>
        <translation>Las entradas se guardaron en %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>Checking the site...</source>
        <translation>Comprobando el sitio...</translation>
    </message>
    <message>
        <source>This is the first connection to %1. Its key has the fingerprint<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Compare it with the one your host gives. Is it the same?</source>
        <translation>Es la primera conexión con %1. Su clave tiene la huella<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Compárela con la que indica su proveedor. ¿Es la misma?</translation>
    </message>
    <message>
        <source>The certificate of %1 is not signed by an authority this computer trusts. Its SHA-256 fingerprint is<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Compare it with the one your host gives. Is it the same?</source>
        <translation>El certificado de %1 no está firmado por ninguna autoridad de confianza para este equipo. Su huella SHA-256 es<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Compárela con la que indica su proveedor. ¿Es la misma?</translation>
    </message>
    <message>
        <source>Your guestbook: </source>
        <translation>Su libro de visitas: </translation>
    </message>
    <message>
        <source>Your owner page: </source>
        <translation>Su página del propietario: </translation>
    </message>
    <message>
        <source>The sign page at %1 does not answer (%2). Check the address and that the site is online.</source>
        <translation>La página para firmar en %1 no responde (%2). Compruebe la dirección y que el sitio esté en línea.</translation>
    </message>
    <message>
        <source>The server answers %1 with error %2: the pages are not at this address. Check the site&apos;s address and the remote folder.</source>
        <translation>El servidor responde a %1 con el error %2: las páginas no están en esta dirección. Compruebe la dirección del sitio y la carpeta remota.</translation>
    </message>
    <message>
        <source>The sign page answers at %1.</source>
        <translation>La página para firmar responde en %1.</translation>
    </message>
    <message>
        <source>The server sends the page&apos;s script instead of running it: this folder does not run classic ASP pages. Ask your host to turn ASP on.</source>
        <translation>El servidor envía el script de la página en lugar de ejecutarlo: esta carpeta no ejecuta páginas ASP clásicas. Pida a su proveedor que active ASP.</translation>
    </message>
    <message>
        <source>The server runs the ASP pages.</source>
        <translation>El servidor ejecuta las páginas ASP.</translation>
    </message>
    <message>
        <source>Anyone can read the entries that wait for you at %1. Ask your host to hide .txt files in this folder.</source>
        <translation>Cualquiera puede leer las entradas que esperan su aprobación en %1. Pida a su proveedor que oculte los archivos .txt de esta carpeta.</translation>
    </message>
    <message>
        <source>pending.txt is hidden from visitors.</source>
        <translation>pending.txt está oculto para los visitantes.</translation>
    </message>
</context>
</TS>
