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
        <source>Error: %1</source>
        <translation>Error: %1</translation>
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
