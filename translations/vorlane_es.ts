<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Localizable</name>
    <message>
        <source>You can give your photos a dramatic effect by converting them to sketch(from PhotoB), while keeping the region and details that you choose in color(from PhotoA).
1. Use your finger as a brush to &apos;paint&apos; area of the sketch image, or to bring back the original color.
2. Move photo by two-finger move.
3. Zooming in and out by two-finger pinching.</source>
        <comment>HelpText</comment>
        <translation>Da a tus fotos un efecto espectacular convirtiéndolas en un boceto (foto B) y conservando en color (foto A) las zonas y los detalles que elijas.
1. Usa el dedo como pincel para «pintar» zonas del boceto o para recuperar el color original.
2. Mueve la foto deslizando dos dedos.
3. Acerca o aleja la imagen pellizcando con dos dedos.</translation>
    </message>
    <message>
        <source>Vorlane turns your photo into a pencil sketch and lets you paint the photo&apos;s colour back wherever you like.

Paint: drag with the left mouse button over the picture. With Paint Colour (A) the colour shows through; with Restore Sketch (B) the sketch comes back.
Brush size: the slider in the toolbar, or the [ and ] keys. The circle under the pointer shows the brush.
Zoom: the mouse wheel or a trackpad pinch zooms about the pointer; Ctrl++ and Ctrl+- zoom in and out, Ctrl+0 fits the picture to the window, Ctrl+1 shows it at its actual pixels.
Move the picture: drag with the right or middle mouse button.
Compare: hold the backslash key (\) to see the colour layer alone.
Undo and redo whole strokes with Ctrl+Z and Ctrl+Shift+Z.
In the Styles panel, Sketch style sets how the sketch looks, and Colour layer what Paint Colour brings back: the photo itself or the photo in a style.
Copy the picture with Ctrl+C; save the painting with Ctrl+S.</source>
        <comment>HelpTextDesktop</comment>
        <translation>Vorlane convierte tu foto en un boceto a lápiz y te permite devolverle el color de la foto donde quieras.

Pintar: arrastra con el botón izquierdo del ratón sobre la imagen. Con Pintar color (A) aparece el color; con Restaurar boceto (B) vuelve el boceto.
Tamaño del pincel: el control deslizante de la barra de herramientas o las teclas [ y ]. El círculo bajo el puntero muestra el pincel.
Zoom: la rueda del ratón o el gesto de pellizcar en el panel táctil amplían o reducen alrededor del puntero; Ctrl++ y Ctrl+- amplían y reducen, Ctrl+0 ajusta la imagen a la ventana y Ctrl+1 la muestra a sus píxeles reales.
Mover la imagen: arrastra con el botón derecho o central del ratón.
Comparar: mantén pulsada la tecla de barra invertida (\) para ver solo la capa de color.
Deshaz y rehaz trazos completos con Ctrl+Z y Ctrl+Shift+Z.
En el panel Estilos, Estilo del boceto define el aspecto del boceto, y Capa de color, lo que devuelve Pintar color: la propia foto o la foto con un estilo.
Copia la imagen con Ctrl+C; guarda la pintura con Ctrl+S.</translation>
    </message>
    <message>
        <source>Get it</source>
        <comment>Get it</comment>
        <translation>Obtener</translation>
    </message>
    <message>
        <source>More</source>
        <comment>More</comment>
        <translation>Más</translation>
    </message>
    <message>
        <source>Next time</source>
        <comment>Next time</comment>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>Photo</source>
        <comment>StyleName0</comment>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Pencil</source>
        <comment>StyleName1</comment>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>Sharp Pencil</source>
        <comment>StyleName2</comment>
        <translation>Lápiz afilado</translation>
    </message>
    <message>
        <source>Outline</source>
        <comment>StyleName3</comment>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Chalk</source>
        <comment>StyleName4</comment>
        <translation>Tiza</translation>
    </message>
    <message>
        <source>Relief</source>
        <comment>StyleName5</comment>
        <translation>Relieve</translation>
    </message>
    <message>
        <source>Emboss</source>
        <comment>StyleName6</comment>
        <translation>Altorrelieve</translation>
    </message>
    <message>
        <source>Deboss</source>
        <comment>StyleName7</comment>
        <translation>Bajorrelieve</translation>
    </message>
</context>
<context>
    <name>canvas::CanvasCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo the last stroke</source>
        <translation>Deshacer el último trazo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Redo the stroke undone last</source>
        <translation>Rehacer el último trazo deshecho</translation>
    </message>
    <message>
        <source>&amp;Paint Colour</source>
        <translation>&amp;Pintar color</translation>
    </message>
    <message>
        <source>Paint the colour back over the sketch (A)</source>
        <translation>Devolver el color pintando sobre el boceto (A)</translation>
    </message>
    <message>
        <source>&amp;Restore Sketch</source>
        <translation>&amp;Restaurar boceto</translation>
    </message>
    <message>
        <source>Bring the sketch back (B)</source>
        <translation>Recuperar el boceto (B)</translation>
    </message>
    <message>
        <source>&amp;Bigger Brush</source>
        <translation>Pincel más &amp;grande</translation>
    </message>
    <message>
        <source>Make the brush larger</source>
        <translation>Agrandar el pincel</translation>
    </message>
    <message>
        <source>&amp;Smaller Brush</source>
        <translation>Pincel más p&amp;equeño</translation>
    </message>
    <message>
        <source>Make the brush smaller</source>
        <translation>Reducir el pincel</translation>
    </message>
</context>
<context>
    <name>canvas::VorlaneView</name>
    <message>
        <source>Brush Size：</source>
        <extracomment>Ends in a full-width colon (U+FF1A), as the label was first drawn.</extracomment>
        <translation>Tamaño pincel：</translation>
    </message>
</context>
<context>
    <name>desktop::DesktopWindow</name>
    <message>
        <source>&lt;p style=&apos;font-size:x-large&apos;&gt;Open a photo to begin.&lt;/p&gt;&lt;p&gt;File &amp;rsaquo; Open&amp;hellip; (Ctrl+O), or drop a photo here.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:x-large&apos;&gt;Abre una foto para empezar.&lt;/p&gt;&lt;p&gt;Archivo &amp;rsaquo; Abrir&amp;hellip; (Ctrl+O), o arrastra una foto hasta aquí.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>Sin foto</translation>
    </message>
    <message>
        <source>%1  %2 × %3 px</source>
        <extracomment>The status bar&apos;s photo: %1 its name, %2 x %3 its size in pixels.</extracomment>
        <translation>%1  %2 × %3 px</translation>
    </message>
    <message>
        <source>Brush %1 px</source>
        <translation>Pincel: %1 px</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>%1 is the saved file&apos;s path.</extracomment>
        <translation>Guardado: %1</translation>
    </message>
    <message>
        <source>Save changes to the painting before quitting?</source>
        <translation>¿Guardar los cambios de la pintura antes de salir?</translation>
    </message>
    <message>
        <source>Save changes to the painting before opening the dropped picture?</source>
        <translation>¿Guardar los cambios de la pintura antes de abrir la imagen arrastrada?</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open a photo from a file</source>
        <translation>Abrir una foto desde un archivo</translation>
    </message>
    <message>
        <source>&amp;Take Photo...</source>
        <translation>&amp;Hacer foto...</translation>
    </message>
    <message>
        <source>Take a photo with the camera</source>
        <translation>Hacer una foto con la cámara</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the painting as a Vorlane document</source>
        <translation>Guardar la pintura como documento de Vorlane</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save the painting as a Vorlane document of another name</source>
        <translation>Guardar la pintura como documento de Vorlane con otro nombre</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>Write the picture as a PNG or JPEG file</source>
        <translation>Guardar la imagen como archivo PNG o JPEG</translation>
    </message>
    <message>
        <source>Export A&amp;gain</source>
        <translation>&amp;Volver a exportar</translation>
    </message>
    <message>
        <source>Write the picture to the file exported last</source>
        <translation>Guardar la imagen en el último archivo exportado</translation>
    </message>
    <message>
        <source>Export Time-&amp;lapse...</source>
        <translation>Exportar &amp;time-lapse...</translation>
    </message>
    <message>
        <source>Write a short film of the painting being made (MP4 or animated WebP)</source>
        <translation>Crear un vídeo corto de cómo se hizo la pintura (MP4 o WebP animado)</translation>
    </message>
    <message>
        <source>Save to &amp;Pictures</source>
        <translation>Guardar en &amp;Imágenes</translation>
    </message>
    <message>
        <source>Save the picture to the Vorlane folder in Pictures</source>
        <translation>Guardar la imagen en la carpeta Vorlane de Imágenes</translation>
    </message>
    <message>
        <source>Share by &amp;Mail...</source>
        <translation>Com&amp;partir por correo...</translation>
    </message>
    <message>
        <source>Attach the picture to a new mail</source>
        <translation>Adjuntar la imagen a un correo nuevo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit Vorlane</source>
        <translation>Salir de Vorlane</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Show the picture larger</source>
        <translation>Mostrar la imagen más grande</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>Show the picture smaller</source>
        <translation>Mostrar la imagen más pequeña</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>A&amp;justar a la ventana</translation>
    </message>
    <message>
        <source>Show the whole picture as large as the window allows</source>
        <translation>Mostrar la imagen completa tan grande como permita la ventana</translation>
    </message>
    <message>
        <source>&amp;Actual Pixels</source>
        <translation>&amp;Píxeles reales</translation>
    </message>
    <message>
        <source>Show one picture pixel per screen pixel</source>
        <translation>Mostrar un píxel de la imagen por cada píxel de la pantalla</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparar</translation>
    </message>
    <message>
        <source>Show the colour layer alone (or hold the \ key)</source>
        <translation>Mostrar solo la capa de color (o mantener pulsada la tecla \)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the picture to the clipboard</source>
        <translation>Copiar la imagen al portapapeles</translation>
    </message>
    <message>
        <source>Pe&amp;n Pressure</source>
        <translation>Presión del &amp;lápiz</translation>
    </message>
    <message>
        <source>A pen tablet&apos;s pressure sets the brush width, from a quarter to all of it</source>
        <translation>La presión del lápiz de la tableta determina el tamaño del pincel, desde una cuarta parte hasta el total</translation>
    </message>
    <message>
        <source>Vorlane &amp;Help</source>
        <translation>&amp;Ayuda de Vorlane</translation>
    </message>
    <message>
        <source>How to paint, zoom and move the picture</source>
        <translation>Cómo pintar, hacer zoom y mover la imagen</translation>
    </message>
    <message>
        <source>&amp;About Vorlane</source>
        <translation>A&amp;cerca de Vorlane</translation>
    </message>
    <message>
        <source>Version, licence and credits</source>
        <translation>Versión, licencia y créditos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Styles Panel</source>
        <translation>Panel de &amp;estilos</translation>
    </message>
    <message>
        <source>Show or hide the list of styles</source>
        <translation>Mostrar u ocultar la lista de estilos</translation>
    </message>
    <message>
        <source>&amp;Brush</source>
        <translation>&amp;Pincel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source> Brush size </source>
        <translation> Tamaño </translation>
    </message>
    <message>
        <source>Brush size ([ and ])</source>
        <translation>Tamaño del pincel ([ y ])</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Hold to show the colour layer alone</source>
        <translation>Mantener pulsado para ver solo la capa de color</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Undo Stroke</source>
        <translation>&amp;Deshacer trazo</translation>
    </message>
    <message>
        <source>&amp;Undo Style Change</source>
        <translation>&amp;Deshacer cambio de estilo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Redo Stroke</source>
        <translation>&amp;Rehacer trazo</translation>
    </message>
    <message>
        <source>&amp;Redo Style Change</source>
        <translation>&amp;Rehacer cambio de estilo</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>The toolbar&apos;s short word for Edit &gt; Undo.</extracomment>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>The toolbar&apos;s short word for Edit &gt; Redo.</extracomment>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Undo the style change</source>
        <translation>Deshacer el cambio de estilo</translation>
    </message>
    <message>
        <source>Undo the last stroke</source>
        <translation>Deshacer el último trazo</translation>
    </message>
    <message>
        <source>Redo the style change</source>
        <translation>Rehacer el cambio de estilo</translation>
    </message>
    <message>
        <source>Redo the stroke undone last</source>
        <translation>Rehacer el último trazo deshecho</translation>
    </message>
    <message>
        <source>About Vorlane</source>
        <translation>Acerca de Vorlane</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Vorlane %1&lt;/h3&gt;&lt;p&gt;Turns a photo into a pencil sketch and lets you paint the colour back.&lt;/p&gt;&lt;p&gt;Vorlane is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version.&lt;/p&gt;&lt;p&gt;Sample photo: astronaut Eileen Collins, NASA (public domain).&lt;/p&gt;</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>&lt;h3&gt;Vorlane %1&lt;/h3&gt;&lt;p&gt;Convierte una foto en un boceto a lápiz y te permite devolverle el color pintando.&lt;/p&gt;&lt;p&gt;Vorlane es software libre: puedes redistribuirlo o modificarlo según los términos de la Licencia Pública General de GNU, versión 3 o (a tu elección) cualquier versión posterior.&lt;/p&gt;&lt;p&gt;Foto de ejemplo: la astronauta Eileen Collins, NASA (dominio público).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Save Painting</source>
        <translation>Guardar pintura</translation>
    </message>
    <message>
        <source>Vorlane painting (*.vorlane)</source>
        <translation>Pintura de Vorlane (*.vorlane)</translation>
    </message>
    <message>
        <source>Painting</source>
        <extracomment>The file name offered for a painting of no photo name.</extracomment>
        <translation>Pintura</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>JPEG image (*.jpg *.jpeg)</source>
        <translation>Imagen JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Vídeo MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>Animated WebP (*.webp)</source>
        <translation>WebP animado (*.webp)</translation>
    </message>
    <message>
        <source>Export Time-lapse</source>
        <translation>Exportar time-lapse</translation>
    </message>
    <message>
        <source>%1 time-lapse</source>
        <extracomment>The file name offered for a time-lapse; %1 is the painting&apos;s name.</extracomment>
        <translation>%1 time-lapse</translation>
    </message>
    <message>
        <source>Exporting %1</source>
        <extracomment>%1 is the name of the file being written.</extracomment>
        <translation>Exportando %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Export cancelled: nothing was written</source>
        <translation>Exportación cancelada: no se ha guardado nada</translation>
    </message>
    <message>
        <source>Recover Painting</source>
        <translation>Recuperar pintura</translation>
    </message>
    <message>
        <source>Recover the painting of %1 from %2?</source>
        <extracomment>%1 is the photo&apos;s name, %2 the date and time the painting was last changed.</extracomment>
        <translation>¿Recuperar la pintura de %1, modificada por última vez el %2?</translation>
    </message>
    <message>
        <source>Vorlane ended without closing it. Discarded paintings cannot be brought back.</source>
        <translation>Vorlane se cerró sin cerrar esta pintura. Las pinturas descartadas no se pueden recuperar.</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Recuperar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>If you don&apos;t save, your changes will be lost.</source>
        <translation>Si no se guardan, los cambios se perderán.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Save changes to the painting before opening another photo?</source>
        <translation>¿Guardar los cambios de la pintura antes de abrir otra foto?</translation>
    </message>
    <message>
        <source>All supported (*.vorlane %1)</source>
        <translation>Todos los archivos compatibles (*.vorlane %1)</translation>
    </message>
    <message>
        <source>Vorlane paintings (*.vorlane)</source>
        <translation>Pinturas de Vorlane (*.vorlane)</translation>
    </message>
    <message>
        <source>Open Photo</source>
        <translation>Abrir foto</translation>
    </message>
    <message>
        <source>No Camera</source>
        <translation>No hay cámara</translation>
    </message>
    <message>
        <source>No camera was found on this computer.</source>
        <translation>No se ha encontrado ninguna cámara en este equipo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Save changes to the painting before taking a photo?</source>
        <translation>¿Guardar los cambios de la pintura antes de hacer una foto?</translation>
    </message>
    <message>
        <source>Save changes to the painting before opening %1?</source>
        <extracomment>%1 is the name of the file about to be opened.</extracomment>
        <translation>¿Guardar los cambios de la pintura antes de abrir %1?</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Vaciar menú</translation>
    </message>
    <message>
        <source>Vorlane Help</source>
        <translation>Ayuda de Vorlane</translation>
    </message>
    <message>
        <source>&amp;Rate Vorlane...</source>
        <translation>&amp;Valorar Vorlane...</translation>
    </message>
    <message>
        <source>Rate Vorlane in your software centre</source>
        <translation>Valorar Vorlane en tu centro de software</translation>
    </message>
    <message>
        <source>&amp;More Apps...</source>
        <translation>&amp;Más aplicaciones...</translation>
    </message>
    <message>
        <source>Other free apps for pictures that you may like</source>
        <translation>Otras aplicaciones gratuitas de imagen que te pueden gustar</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>Más aplicaciones</translation>
    </message>
    <message>
        <source>No file manager could show the folder %1</source>
        <translation>Ningún gestor de archivos ha podido mostrar la carpeta %1</translation>
    </message>
    <message>
        <source>Picture copied, %1 × %2 px</source>
        <extracomment>%1 x %2 is the picture&apos;s size in pixels.</extracomment>
        <translation>Imagen copiada, %1 × %2 px</translation>
    </message>
    <message>
        <source>No Mail Program</source>
        <translation>No hay programa de correo</translation>
    </message>
    <message>
        <source>No mail program took the picture. Save it to your Pictures folder and attach it to a mail yourself?</source>
        <translation>Ningún programa de correo ha aceptado la imagen. ¿Guardarla en la carpeta Imágenes para adjuntarla a un correo manualmente?</translation>
    </message>
    <message>
        <source>Save to Pictures</source>
        <translation>Guardar en Imágenes</translation>
    </message>
    <message>
        <source>No camera was found on this computer</source>
        <translation>No se ha encontrado ninguna cámara en este equipo</translation>
    </message>
    <message>
        <source>Scroll &amp;Bars</source>
        <translation>&amp;Barras de desplazamiento</translation>
    </message>
    <message>
        <source>Show scroll bars when the picture is larger than the window</source>
        <translation>Mostrar barras de desplazamiento cuando la imagen sea más grande que la ventana</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
</context>
<context>
    <name>desktop::ExportPictureDialog</name>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>&amp;Working size (%1)</source>
        <extracomment>%1 is a size in pixels, &quot;1280 × 960&quot;.</extracomment>
        <translation>Tamaño de &amp;trabajo (%1)</translation>
    </message>
    <message>
        <source>The &amp;photo&apos;s own size (%1)</source>
        <translation>Tamaño &amp;original de la foto (%1)</translation>
    </message>
    <message>
        <source>&amp;Longer side:</source>
        <translation>&amp;Lado mayor:</translation>
    </message>
    <message>
        <source>Higher keeps more detail in a larger file</source>
        <translation>Cuanto más alta, más detalle y mayor tamaño de archivo</translation>
    </message>
    <message>
        <source>JPEG &amp;quality:</source>
        <translation>&amp;Calidad JPEG:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Writes %1 pixels as %2.</source>
        <extracomment>%1 is a size in pixels, &quot;1280 × 960&quot;; %2 the file type, PNG or JPEG.</extracomment>
        <translation>Se exportará a %1 píxeles en formato %2.</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
</context>
<context>
    <name>desktop::PromptStrips</name>
    <message>
        <source>New to Vorlane? The help shows how to paint, zoom and move the picture.</source>
        <translation>¿Es tu primera vez con Vorlane? La ayuda muestra cómo pintar, hacer zoom y mover la imagen.</translation>
    </message>
    <message>
        <source>Show Help</source>
        <translation>Ver ayuda</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Rate It</source>
        <translation>Valorar</translation>
    </message>
    <message>
        <source>More Apps…</source>
        <translation>Más aplicaciones…</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>Enjoying Vorlane? Rate it in your software centre, or have a look at more free apps for your pictures.</source>
        <translation>¿Te gusta Vorlane? Valóralo en tu centro de software o echa un vistazo a más aplicaciones gratuitas para tus imágenes.</translation>
    </message>
    <message>
        <source>Enjoying Vorlane? A rating in your software centre helps others find it.</source>
        <translation>¿Te gusta Vorlane? Una valoración en tu centro de software ayuda a que otras personas lo descubran.</translation>
    </message>
    <message>
        <source>Enjoying Vorlane? Have a look at more free apps for your pictures.</source>
        <translation>¿Te gusta Vorlane? Echa un vistazo a más aplicaciones gratuitas para tus imágenes.</translation>
    </message>
</context>
<context>
    <name>desktop::StylePanel</name>
    <message>
        <source>Styles</source>
        <translation>Estilos</translation>
    </message>
    <message>
        <source>&amp;Sketch style</source>
        <translation>E&amp;stilo del boceto</translation>
    </message>
    <message>
        <source>How the sketch looks: the picture the painting starts from</source>
        <translation>El aspecto del boceto: la imagen de la que parte la pintura</translation>
    </message>
    <message>
        <source>&amp;Colour layer</source>
        <translation>&amp;Capa de color</translation>
    </message>
    <message>
        <source>What Paint Colour brings back: the photo itself, or the photo in a style</source>
        <translation>Lo que devuelve Pintar color: la propia foto o la foto con un estilo</translation>
    </message>
</context>
<context>
    <name>desktop::TimelapseDialog</name>
    <message>
        <source>Export Time-lapse</source>
        <translation>Exportar time-lapse</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>The unit after the length in seconds.</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Length:</source>
        <translation>&amp;Duración:</translation>
    </message>
    <message>
        <source>Longer &amp;side:</source>
        <translation>&amp;Lado mayor:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Writes %1 pixels, %2 s at %3 frames a second, as H.264 video (MP4).</source>
        <extracomment>%1 is a size in pixels, &quot;1280 × 960&quot;; %2 the length in seconds; %3 the frame rate.</extracomment>
        <translation>Se exportará a %1 píxeles, %2 s a %3 fotogramas por segundo, como vídeo H.264 (MP4).</translation>
    </message>
    <message>
        <source>Writes %1 pixels, %2 s at %3 frames a second, as animated WebP.</source>
        <translation>Se exportará a %1 píxeles, %2 s a %3 fotogramas por segundo, como WebP animado.</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
</context>
<context>
    <name>desktop::ZoomBox</name>
    <message>
        <source>Zoom: type a percentage and press Return, or choose one</source>
        <translation>Zoom: escribe un porcentaje y pulsa Intro, o elige uno</translation>
    </message>
    <message>
        <source>Fit</source>
        <extracomment>The zoom box&apos;s choice that fits the picture to the window.</extracomment>
        <translation>Ajustar</translation>
    </message>
</context>
<context>
    <name>document</name>
    <message>
        <source>The dropped picture</source>
        <extracomment>A dropped picture without a file, first in &quot;The dropped picture could not be opened: ...&quot;.</extracomment>
        <translation>la imagen arrastrada</translation>
    </message>
    <message>
        <source>the H.264 encoder cannot start (%1)</source>
        <extracomment>Why a time-lapse cannot be written; %1 is the video library&apos;s reason.</extracomment>
        <translation>no se puede iniciar el codificador H.264 (%1)</translation>
    </message>
    <message>
        <source>an MP4 frame needs even sides</source>
        <translation>los lados de un fotograma MP4 deben ser pares</translation>
    </message>
    <message>
        <source>this system&apos;s libavcodec has no H.264 encoder</source>
        <translation>la biblioteca libavcodec de este sistema no tiene codificador H.264</translation>
    </message>
    <message>
        <source>libavformat has no MP4 muxer</source>
        <translation>libavformat no tiene multiplexor MP4</translation>
    </message>
    <message>
        <source>the frames cannot be converted to yuv420p</source>
        <translation>no se pueden convertir los fotogramas a yuv420p</translation>
    </message>
    <message>
        <source>a frame does not match the video</source>
        <translation>un fotograma no coincide con el vídeo</translation>
    </message>
    <message>
        <source>the video cannot be encoded (%1)</source>
        <extracomment>Why a time-lapse cannot be written; %1 is the video library&apos;s reason.</extracomment>
        <translation>no se puede codificar el vídeo (%1)</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>se ha cancelado</translation>
    </message>
    <message>
        <source>a style cannot be rendered</source>
        <translation>no se puede generar uno de los estilos</translation>
    </message>
    <message>
        <source>its photo does not match its painting</source>
        <extracomment>Why a painting cannot be opened or rendered: its stored photo is not the one it was painted on.</extracomment>
        <translation>la foto no coincide con la pintura</translation>
    </message>
    <message>
        <source>its photo cannot be decoded</source>
        <translation>no se puede descodificar la foto</translation>
    </message>
    <message>
        <source>not a Vorlane document</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot;.</extracomment>
        <translation>no es un documento de Vorlane</translation>
    </message>
    <message>
        <source>made by a newer version of Vorlane</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot;.</extracomment>
        <translation>se creó con una versión más reciente de Vorlane</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot; (the file is damaged).</extracomment>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>too large</source>
        <extracomment>Why a painting cannot be opened or kept, after &quot;NAME could not be opened: &quot; (the painting is too large).</extracomment>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <extracomment>Why a painting cannot be opened or saved, after &quot;NAME could not be opened: &quot; (the file is in use).</extracomment>
        <translation>lo está usando otro programa</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot; (the file cannot be read).</extracomment>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>its photo does not match its checksum</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot;.</extracomment>
        <translation>la foto no coincide con su suma de comprobación</translation>
    </message>
    <message>
        <source>does not exist</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot; (the file does not exist).</extracomment>
        <translation>no existe</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the folder cannot be written to</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>no se puede escribir en la carpeta</translation>
    </message>
    <message>
        <source>the painting holds values no document can have</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>la pintura contiene valores que ningún documento puede tener</translation>
    </message>
    <message>
        <source>the session is closed</source>
        <translation>la sesión está cerrada</translation>
    </message>
    <message>
        <source>the session has no file name</source>
        <translation>la sesión no tiene nombre de archivo</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <extracomment>Why a picture cannot be saved; %1 is the folder&apos;s path.</extracomment>
        <translation>no se ha podido crear la carpeta %1</translation>
    </message>
    <message>
        <source>there is no picture</source>
        <translation>no hay ninguna imagen</translation>
    </message>
    <message>
        <source>no free file name is left</source>
        <translation>no queda ningún nombre de archivo libre</translation>
    </message>
    <message>
        <source>a picture can be saved as PNG (.png) or JPEG (.jpg) only</source>
        <translation>las imágenes solo se pueden guardar como PNG (.png) o JPEG (.jpg)</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>ya hay una carpeta con ese nombre</translation>
    </message>
    <message>
        <source>the file %1 is read-only</source>
        <extracomment>Why a picture cannot be saved; %1 is the file&apos;s name.</extracomment>
        <translation>el archivo %1 es de solo lectura</translation>
    </message>
    <message>
        <source>Hello!</source>
        <extracomment>The subject and the whole text of a mail the picture is shared by.</extracomment>
        <translation>¡Hola!</translation>
    </message>
    <message>
        <source>the sketch texture is missing</source>
        <translation>falta la textura del boceto</translation>
    </message>
    <message>
        <source>the sketch texture could not be scaled</source>
        <translation>no se ha podido escalar la textura del boceto</translation>
    </message>
    <message>
        <source>there is no photo</source>
        <translation>no hay ninguna foto</translation>
    </message>
    <message>
        <source>the photo raster could not be made</source>
        <translation>no se ha podido crear el mapa de bits de la foto</translation>
    </message>
    <message>
        <source>the result image could not be made</source>
        <translation>no se ha podido crear la imagen resultante</translation>
    </message>
    <message>
        <source>a time-lapse is written as .mp4 or .webp</source>
        <translation>los time-lapse se guardan como .mp4 o .webp</translation>
    </message>
    <message>
        <source>a time-lapse lasts %1 to %2 seconds</source>
        <extracomment>%1 and %2 are the shortest and longest time-lapse in seconds.</extracomment>
        <translation>un time-lapse dura de %1 a %2 segundos</translation>
    </message>
    <message>
        <source>a time-lapse is at least %1 pixels on its longer side</source>
        <extracomment>%1 is the smallest longer side of a time-lapse, in pixels.</extracomment>
        <translation>un time-lapse mide al menos %1 píxeles en su lado mayor</translation>
    </message>
    <message>
        <source>libwebp cannot start</source>
        <translation>no se puede iniciar libwebp</translation>
    </message>
    <message>
        <source>a frame does not match the animation</source>
        <translation>un fotograma no coincide con la animación</translation>
    </message>
    <message>
        <source>the animation cannot be encoded (%1)</source>
        <extracomment>Why a time-lapse cannot be written; %1 is the WebP library&apos;s reason.</extracomment>
        <translation>no se puede codificar la animación (%1)</translation>
    </message>
    <message>
        <source>the animation cannot be encoded</source>
        <translation>no se puede codificar la animación</translation>
    </message>
</context>
<context>
    <name>document::SketchDocument</name>
    <message>
        <source>Images (%1)</source>
        <extracomment>The open dialog&apos;s filter; %1 is the list of file patterns (&quot;*.jpg *.png ...&quot;).</extracomment>
        <translation>Imágenes (%1)</translation>
    </message>
    <message>
        <source>Cannot Open Photo</source>
        <translation>No se puede abrir la foto</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <extracomment>%1 is the name of the file or picture, %2 the reason (a clause in lower case).</extracomment>
        <translation>No se ha podido abrir %1: %2.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>the file is not a picture</source>
        <translation>el archivo no es una imagen</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>la imagen está vacía</translation>
    </message>
    <message>
        <source>the picture could not be rendered</source>
        <translation>no se ha podido generar la imagen</translation>
    </message>
    <message>
        <source>The camera picture</source>
        <extracomment>A picture from the camera, first in &quot;The camera picture could not be opened: ...&quot;.</extracomment>
        <translation>la imagen de la cámara</translation>
    </message>
    <message>
        <source>Not Exported</source>
        <translation>No se ha exportado</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason (a clause in lower case).</extracomment>
        <translation>No se ha podido escribir %1: %2.</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>el archivo es demasiado grande</translation>
    </message>
    <message>
        <source>Cannot Open Painting</source>
        <translation>No se puede abrir la pintura</translation>
    </message>
    <message>
        <source>it is open in Vorlane already</source>
        <translation>ya está abierto en Vorlane</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>el archivo está dañado</translation>
    </message>
    <message>
        <source>Painting Not Saved</source>
        <translation>No se ha guardado la pintura</translation>
    </message>
    <message>
        <source>The painting could not be saved as %1: %2.</source>
        <extracomment>%1 is the document&apos;s file name, %2 the reason (a clause in lower case).</extracomment>
        <translation>No se ha podido guardar la pintura como %1: %2.</translation>
    </message>
    <message>
        <source>No Picture</source>
        <translation>No hay imagen</translation>
    </message>
    <message>
        <source>Load a photo first.</source>
        <translation>Carga primero una foto.</translation>
    </message>
    <message>
        <source>Image Saved!</source>
        <translation>¡Imagen guardada!</translation>
    </message>
    <message>
        <source>The new image is saved to your album.</source>
        <translation>La nueva imagen se ha guardado en tu álbum.</translation>
    </message>
    <message>
        <source>The image could not be saved to your album: %1.</source>
        <extracomment>%1 is the reason (a clause in lower case).</extracomment>
        <translation>No se ha podido guardar la imagen en tu álbum: %1.</translation>
    </message>
    <message>
        <source>The image could not be saved as %1: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason (a clause in lower case).</extracomment>
        <translation>No se ha podido guardar la imagen como %1: %2.</translation>
    </message>
    <message>
        <source>Image Not Saved</source>
        <translation>No se ha guardado la imagen</translation>
    </message>
    <message>
        <source>A picture made with Vorlane</source>
        <translation>Una imagen creada con Vorlane</translation>
    </message>
    <message>
        <source>Cannot Share</source>
        <translation>No se puede compartir</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>No se ha podido iniciar ningún programa de correo.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>demasiados niveles de enlaces simbólicos</translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation>el nombre del archivo es demasiado largo</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <extracomment>Why a file cannot be opened; %1 is the system&apos;s reason.</extracomment>
        <translation>no se puede leer el archivo (%1)</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>no queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>file too large</source>
        <extracomment>Why a file cannot be written: it has reached the largest size allowed.</extracomment>
        <translation>archivo demasiado grande</translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <extracomment>Why a file cannot be written; %1 is the system&apos;s reason.</extracomment>
        <translation>no se puede escribir el archivo (%1)</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete</source>
        <translation>el archivo está dañado o incompleto</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>la imagen es demasiado grande</translation>
    </message>
    <message>
        <source>memory ran out</source>
        <extracomment>Why a photo, a painting or a file could not be read, rendered or written.</extracomment>
        <translation>se ha agotado la memoria</translation>
    </message>
    <message>
        <source>the picture is stored in a way that cannot be read</source>
        <translation>la imagen está guardada en un formato que no se puede leer</translation>
    </message>
    <message>
        <source>the file is not a picture</source>
        <translation>el archivo no es una imagen</translation>
    </message>
    <message>
        <source>the picture could not be scaled</source>
        <translation>no se ha podido escalar la imagen</translation>
    </message>
    <message>
        <source>%1 pixels is larger than the photo (%2 x %3)</source>
        <extracomment>Why a picture cannot be exported at the longer side asked for: %1 is that side, %2 x %3 the photo&apos;s own size, in pixels.</extracomment>
        <translation>%1 píxeles supera el tamaño de la foto (%2 x %3)</translation>
    </message>
    <message>
        <source>there is no picture</source>
        <translation>no hay ninguna imagen</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>it cannot be written (%1)</source>
        <extracomment>Why a file cannot be saved; %1 is the system&apos;s or a library&apos;s reason.</extracomment>
        <translation>no se puede escribir (%1)</translation>
    </message>
</context>
<context>
    <name>platform::CameraCapture</name>
    <message>
        <source>Take Photo</source>
        <translation>Hacer foto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>promo</name>
    <message>
        <source>How to</source>
        <translation>Cómo se usa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Rate?</source>
        <translation>¿Nos valoras?</translation>
    </message>
    <message>
        <source>Could you give us a rate and some suggestions to improve this App?</source>
        <translation>¿Nos dejas una valoración y alguna sugerencia para mejorar la aplicación?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
</context>
<context>
    <name>screen</name>
    <message>
        <source>No Camera!</source>
        <translation>¡No hay cámara!</translation>
    </message>
    <message>
        <source>There is no Camera on this Device. You can load photo from your album.</source>
        <translation>Este dispositivo no tiene cámara. Puedes cargar una foto desde tu álbum.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Error accessing photo library</source>
        <translation>Error al acceder a la fototeca</translation>
    </message>
    <message>
        <source>Device does not support a photo library</source>
        <translation>Este dispositivo no tiene fototeca</translation>
    </message>
    <message>
        <source>Drat!</source>
        <translation>¡Vaya!</translation>
    </message>
    <message>
        <source>Error accessing photo library!</source>
        <translation>¡Error al acceder a la fototeca!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>screen::MainViewController</name>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>vorlane</name>
    <message>
        <source>Turns a photo into a pencil sketch and lets you paint the colour back.</source>
        <translation>Convierte fotos en bocetos a lápiz y te permite devolverles el color.</translation>
    </message>
    <message>
        <source>Layout: desktop (a resizable window with menus), phone (320 points wide) or tablet (768 x 1024). Default: phone on a portrait touch screen narrower than 600 pixels, desktop elsewhere.</source>
        <extracomment>Help of --profile. desktop, phone and tablet are the values it takes: keep them as they are.</extracomment>
        <translation>Interfaz: desktop (una ventana redimensionable con menús), phone (320 puntos de ancho) o tablet (768 x 1024).
Por defecto: phone en una pantalla táctil vertical de menos de 600 píxeles de ancho; desktop en los demás casos.</translation>
    </message>
    <message>
        <source>The phone layout&apos;s height (implies --profile phone).</source>
        <extracomment>Help of --screen-height. Keep &quot;--profile phone&quot; as it is: it is typed so.</extracomment>
        <translation>La altura de la interfaz phone (implica --profile phone).</translation>
    </message>
    <message>
        <source>Enlarge the whole window by this factor, 0.25 to 8 (as QT_SCALE_FACTOR).</source>
        <extracomment>Help of --scale. QT_SCALE_FACTOR is an environment variable&apos;s name: keep it.</extracomment>
        <translation>Amplía toda la ventana: factor de 0.25 a 8 (como QT_SCALE_FACTOR).</translation>
    </message>
    <message>
        <source>A photo to open.</source>
        <extracomment>Help of the PHOTO argument.</extracomment>
        <translation>Una foto para abrir.</translation>
    </message>
    <message>
        <source>%1 takes desktop, phone or tablet, not %2</source>
        <extracomment>%1 is the option --profile; desktop, phone and tablet are the values it takes: keep them. %2 is what was given.</extracomment>
        <translation>%1 admite desktop, phone o tablet, no %2</translation>
    </message>
    <message>
        <source>%1 takes 480 or 568, not %2</source>
        <extracomment>%1 is the option --screen-height; %2 what was given.</extracomment>
        <translation>%1 admite 480 o 568, no %2</translation>
    </message>
    <message>
        <source>%1 takes a factor from 0.25 to 8, not %2</source>
        <extracomment>%1 is the option --scale; %2 what was given.</extracomment>
        <translation>%1 admite un factor de 0.25 a 8, no %2</translation>
    </message>
    <message>
        <source>only one photo can be opened</source>
        <translation>solo se puede abrir una foto</translation>
    </message>
    <message>
        <source>%1 applies to the phone profile only</source>
        <extracomment>%1 is the option --screen-height.</extracomment>
        <translation>%1 solo se aplica al perfil phone</translation>
    </message>
    <message>
        <source>Try &apos;vorlane --help&apos;.</source>
        <extracomment>Keep the command &quot;vorlane --help&quot; as it is.</extracomment>
        <translation>Prueba &apos;vorlane --help&apos;.</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Vorlane developers.
License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <extracomment>The lines --version prints after the program&apos;s name and version. Keep the licence&apos;s name (GPL-3.0-or-later) and the address as they are.</extracomment>
        <translation>Copyright (C) 2026 los desarrolladores de Vorlane.
Licencia GPL-3.0-or-later: GNU GPL versión 3 o posterior
&lt;https://gnu.org/licenses/gpl.html&gt;.
Esto es software libre: se puede modificar y redistribuir libremente.
NO HAY NINGUNA GARANTÍA, en la medida en que lo permita la ley.
</translation>
    </message>
</context>
<context>
    <name>vorlane-sketch</name>
    <message>
        <source>the folder cannot be read</source>
        <translation>no se puede leer la carpeta</translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos</source>
        <extracomment>Progress of a batch: %1 photos done of %n.</extracomment>
        <translation>
            <numerusform>%1/%n foto</numerusform>
            <numerusform>%1/%n fotos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos, %2 photos/s</source>
        <extracomment>Progress of a batch: %1 photos done of %n, at %2 photos a second.</extracomment>
        <translation>
            <numerusform>%1/%n foto, %2 fotos/s</numerusform>
            <numerusform>%1/%n fotos, %2 fotos/s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos, %2 photos/s, %3 min %4 s left</source>
        <extracomment>Progress of a batch: %1 photos done of %n, at %2 photos a second, %3 minutes and %4 seconds left.</extracomment>
        <translation>
            <numerusform>%1/%n foto, %2 fotos/s, quedan %3 min %4 s</numerusform>
            <numerusform>%1/%n fotos, %2 fotos/s, quedan %3 min %4 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos, %2 photos/s, %3 s left</source>
        <extracomment>Progress of a batch: %1 photos done of %n, at %2 photos a second, %3 seconds left.</extracomment>
        <translation>
            <numerusform>%1/%n foto, %2 fotos/s, quedan %3 s</numerusform>
            <numerusform>%1/%n fotos, %2 fotos/s, quedan %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n photos failed</source>
        <extracomment>The batch&apos;s closing count: %1 of its %n photos failed.</extracomment>
        <translation>
            <numerusform>%1 de %n foto con errores</numerusform>
            <numerusform>%1 de %n fotos con errores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n photos already done, skipped</source>
        <extracomment>The batch&apos;s closing count: %1 of its %n photos were left out, their outputs there from an earlier run.</extracomment>
        <translation>
            <numerusform>%1 de %n foto ya procesada, omitida</numerusform>
            <numerusform>%1 de %n fotos ya procesadas, omitidas</numerusform>
        </translation>
    </message>
    <message>
        <source>the picture cannot be encoded (%1)</source>
        <extracomment>%1 is the image encoder&apos;s reason.</extracomment>
        <translation>no se puede codificar la imagen (%1)</translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <extracomment>%1 is the system&apos;s reason, e.g. &quot;No space left on device&quot;.</extracomment>
        <translation>no se puede escribir el archivo (%1)</translation>
    </message>
    <message>
        <source>the file cannot be written (every numbered name is taken)</source>
        <extracomment>The batch names its outputs &quot;NAME.styleN.png&quot;, then &quot;NAME.styleN (2).png&quot;, and so on.</extracomment>
        <translation>no se puede escribir (no queda ningún nombre numerado libre)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A failure line (after the program&apos;s name): %1 is a file&apos;s path, %2 what went wrong with that file, e.g. &quot;the file does not exist&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no texture was given</source>
        <translation>no se ha indicado ninguna textura</translation>
    </message>
    <message>
        <source>the texture cannot be made the photo&apos;s size</source>
        <translation>no se puede adaptar la textura al tamaño de la foto</translation>
    </message>
    <message>
        <source>names no sketch-brush texture</source>
        <extracomment>Said of the program&apos;s own list of data files.</extracomment>
        <translation>no incluye ninguna textura de pincel de boceto</translation>
    </message>
    <message>
        <source>names the texture &quot;%1&quot;, which is missing</source>
        <extracomment>Said of the program&apos;s own list of data files; %1 is a picture&apos;s name.</extracomment>
        <translation>incluye la textura &quot;%1&quot;, que falta</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>the folder cannot be written (%1)</source>
        <extracomment>%1 is the system&apos;s reason, e.g. &quot;Permission denied&quot;.</extracomment>
        <translation>no se puede escribir en la carpeta (%1)</translation>
    </message>
    <message>
        <source>no photos among the inputs (a folder&apos;s pictures are taken by their extension)</source>
        <translation>no hay fotos entre las entradas (de las carpetas se toman por su extensión)</translation>
    </message>
    <message>
        <source>holds no preview</source>
        <extracomment>Said of a Vorlane document, whose preview picture --thumbnail writes.</extracomment>
        <translation>no contiene ninguna vista previa</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <extracomment>%1 is the system&apos;s or the image encoder&apos;s reason.</extracomment>
        <translation>no se puede escribir (%1)</translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is an option, e.g. --jobs; %2 to %3 the numbers it takes; %4 what was given.</extracomment>
        <translation>%1 debe ser un número de %2 a %3, no &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <extracomment>%1 and %2 are options, e.g. --skip-existing and --out-dir: the first is taken only with the second.</extracomment>
        <translation>%1 solo se usa con %2</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <extracomment>%1 and %2 are options, e.g. --thumbnail and --style: the first is never taken with the second.</extracomment>
        <translation>%1 no se puede usar con %2</translation>
    </message>
    <message>
        <source>Try &apos;vorlane-sketch --help&apos;.</source>
        <extracomment>Keep the command &quot;vorlane-sketch --help&quot; as it is.</extracomment>
        <translation>Prueba &apos;vorlane-sketch --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT
  or:  vorlane-sketch --out-dir DIR [--style N|all] [OPTION]... INPUT...
  or:  vorlane-sketch --thumbnail SIZE DOCUMENT OUTPUT
  or:  vorlane-sketch --timelapse OUT.mp4|OUT.webp [--duration S] [--size N]
         DOCUMENT</source>
        <extracomment>The command&apos;s forms. Translate &quot;Usage:&quot; and &quot;or:&quot; only; keep the program&apos;s name, the options and the upper-case words (the files and values the command takes) as they are.</extracomment>
        <translation>Uso: vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT
  o: vorlane-sketch --out-dir DIR [--style N|all] [OPTION]... INPUT...
  o: vorlane-sketch --thumbnail SIZE DOCUMENT OUTPUT
  o: vorlane-sketch --timelapse OUT.mp4|OUT.webp [--duration S] [--size N]
       DOCUMENT</translation>
    </message>
    <message>
        <source>Renders photos as pencil sketches. Each photo is turned upright by its
orientation tag and brought to its working size: a landscape photo wider
than 1280 pixels is scaled to 1280 pixels wide (2560 x 1600 becomes
1280 x 800); a portrait or square photo taller than 1280 pixels is scaled
to the largest width that is a multiple of 256 pixels and keeps its height
at most 1280 (1200 x 1600 becomes 768 x 1024); smaller photos keep their
size.</source>
        <extracomment>Lines of at most 78 characters.</extracomment>
        <translation>Convierte fotos en bocetos a lápiz. Cada foto se endereza según su
etiqueta de orientación y se lleva a su tamaño de trabajo: una foto
horizontal de más de 1280 píxeles de ancho se escala a 1280 píxeles de
ancho (2560 x 1600 pasa a 1280 x 800); una foto vertical o cuadrada de más
de 1280 píxeles de alto se escala al mayor ancho que sea múltiplo de 256
píxeles y deje su altura en 1280 como máximo (1200 x 1600 pasa a
768 x 1024); las fotos más pequeñas conservan su tamaño.</translation>
    </message>
    <message>
        <source>The first form renders INPUT and writes OUTPUT as PNG or JPEG, by its
extension (.png, .jpg, .jpeg).
With --out-dir, each INPUT is a photo or a folder whose pictures are taken
(one level deep, by extension), and each photo is written into DIR as
NAME.styleN.png (or .jpg). A name already taken gets &quot; (2)&quot;, &quot; (3)&quot;, ...:
no file is ever replaced. A photo that fails is named on one line and the
others go on; on a terminal a progress line shows photos done, photos per
second and the time left.</source>
        <extracomment>Lines of at most 78 characters. Keep the options, INPUT, OUTPUT and DIR (as in the usage lines) and the output names &quot;NAME.styleN.png&quot;, &quot; (2)&quot; and &quot; (3)&quot;: the program names its files in English.</extracomment>
        <translation>La primera forma procesa INPUT y escribe OUTPUT como PNG o JPEG, según su
extensión (.png, .jpg, .jpeg).
Con --out-dir, cada INPUT es una foto o una carpeta de la que se toman las
imágenes (un solo nivel, por extensión), y cada foto se escribe en DIR
como NAME.styleN.png (o .jpg). Si un nombre ya existe, se añade &quot; (2)&quot;,
&quot; (3)&quot;, ...: nunca se reemplaza ningún archivo. Si una foto falla, se
indica en una línea y se continúa con las demás; en un terminal, una línea
de progreso muestra las fotos hechas, las fotos por segundo y el tiempo
restante.</translation>
    </message>
    <message>
        <source>Options:</source>
        <extracomment>The heading of the options&apos; list.</extracomment>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>sketch style 1 to 7 (default 1); 0 writes the prepared
photo; all (with --out-dir) writes styles 1 to 7 from
one decode</source>
        <extracomment>Help of --style N. Lines of at most 60 characters; keep &quot;all&quot; and --out-dir.</extracomment>
        <translation>estilo de boceto de 1 a 7 (por defecto 1); 0 escribe la foto
preparada; all (con --out-dir) escribe los estilos 1 a 7 con
una sola descodificación</translation>
    </message>
    <message>
        <source>pencil texture picture, stretched to each photo&apos;s size
(default: the built-in sketch-brush texture)</source>
        <extracomment>Help of --texture FILE. Lines of at most 60 characters.</extracomment>
        <translation>imagen de textura de lápiz, estirada al tamaño de cada foto
(por defecto: la textura de pincel de boceto integrada)</translation>
    </message>
    <message>
        <source>write the sketches into DIR (made when missing)</source>
        <extracomment>Help of --out-dir DIR. Lines of at most 60 characters; DIR as in the usage lines.</extracomment>
        <translation>escribe los bocetos en DIR (la crea si no existe)</translation>
    </message>
    <message>
        <source>with --out-dir, write only the outputs whose names
(NAME.styleN.png, then &quot; (2)&quot; for a second photo of
that name) are not in DIR yet; a photo with every
output there is not read</source>
        <extracomment>Help of --skip-existing. Lines of at most 60 characters; keep --out-dir, DIR, and the output names &quot;NAME.styleN.png&quot; and &quot; (2)&quot;.</extracomment>
        <translation>con --out-dir, escribe solo las salidas cuyos nombres
(NAME.styleN.png, y luego &quot; (2)&quot; para una segunda foto con
ese nombre) aún no están en DIR; una foto que ya tiene allí
todas sus salidas no se lee</translation>
    </message>
    <message>
        <source>png (default) or jpg, with --out-dir</source>
        <extracomment>Help of --format F. Keep png, jpg and --out-dir: they are typed as they are.</extracomment>
        <translation>png (por defecto) o jpg, con --out-dir</translation>
    </message>
    <message>
        <source>write the preview stored in the Vorlane document
DOCUMENT to OUTPUT as PNG, scaled down to fit SIZE x SIZE
(1 to 1024; never scaled up); nothing else of the
document is read</source>
        <extracomment>Help of --thumbnail SIZE. Lines of at most 60 characters; DOCUMENT, OUTPUT and SIZE as in the usage lines.</extracomment>
        <translation>escribe la vista previa guardada en el documento de Vorlane
DOCUMENT en OUTPUT como PNG, reducida para caber en
SIZE x SIZE (de 1 a 1024; nunca se amplía); no se lee nada
más del documento</translation>
    </message>
    <message>
        <source>write the painting of the Vorlane document DOCUMENT as a
time-lapse video, H.264 (.mp4) or animated WebP (.webp),
30 frames a second: the sketch, the strokes in effect at
their painted pace (pauses over 1 s shortened), the
finished painting held for the last second</source>
        <extracomment>Help of --timelapse OUT. Lines of at most 60 characters; DOCUMENT as in the usage lines.</extracomment>
        <translation>escribe la pintura del documento de Vorlane DOCUMENT como
vídeo time-lapse, H.264 (.mp4) o WebP animado (.webp), a 30
fotogramas por segundo: el boceto, los trazos vigentes al
ritmo en que se pintaron (las pausas de más de 1 s se
acortan) y la pintura terminada durante el último segundo</translation>
    </message>
    <message>
        <source>the time-lapse&apos;s length, 3 to 120 seconds (default 10)</source>
        <extracomment>Help of --duration S. Lines of at most 60 characters.</extracomment>
        <translation>la duración del time-lapse, de 3 a 120 s (por defecto 10)</translation>
    </message>
    <message>
        <source>working (default): the working size above; full: the
photo&apos;s own upright size (a photo of more than 64 MP,
8192 x 8192 pixels, is scaled to fit that); N: the
longer side in pixels, 256 to 8192 and at most the
photo&apos;s own. A larger render looks like the working-size
one with the photo&apos;s finer detail; a document is
rendered with its strokes at that size. With --timelapse:
the video&apos;s longer side, from 16 (default 1080; at most
the photo&apos;s own)</source>
        <extracomment>Help of --size S. Lines of at most 60 characters; keep &quot;working&quot;, &quot;full&quot;, &quot;N&quot; and --timelapse: they are typed as they are.</extracomment>
        <translation>working (por defecto): el tamaño de trabajo descrito arriba;
full: el tamaño original de la foto enderezada (una foto de
más de 64 MP, 8192 x 8192 píxeles, se escala para caber en
ese límite); N: el lado mayor en píxeles, de 256 a 8192 y
como máximo el de la foto. Una imagen generada a mayor
tamaño se parece a la del tamaño de trabajo, con el detalle
más fino de la foto; un documento se genera con sus trazos a
ese tamaño. Con --timelapse: el lado mayor del vídeo, desde
16 (por defecto 1080; como máximo el de la foto)</translation>
    </message>
    <message>
        <source>photos rendered at once (default: the number of cores, %1)</source>
        <extracomment>Help of --jobs N. %1 is the number of processor cores of this machine.</extracomment>
        <translation>fotos procesadas a la vez (por defecto, una por núcleo: %1)</translation>
    </message>
    <message>
        <source>the memory the photos rendered at once may take together,
in megabytes (default: three quarters of the memory free
at the start); a photo that alone needs more still runs,
by itself</source>
        <extracomment>Help of --memory MB. Lines of at most 60 characters.</extracomment>
        <translation>la memoria que pueden ocupar juntas las fotos procesadas a
la vez, en megabytes (por defecto: tres cuartas partes de la
memoria libre al inicio); una foto que por sí sola necesita
más se procesa igualmente, sola</translation>
    </message>
    <message>
        <source>JPEG quality 0 to 100 (default %1); for PNG the
compression effort 0 to 100 (default %2, the fastest;
100 gives the smallest file)</source>
        <extracomment>Help of --quality Q. Lines of at most 60 characters. %1 is the JPEG quality and %2 the PNG compression effort used when the option is not given.</extracomment>
        <translation>calidad JPEG de 0 a 100 (por defecto %1); para PNG, el
esfuerzo de compresión de 0 a 100 (por defecto %2, el más
rápido; 100 da el archivo más pequeño)</translation>
    </message>
    <message>
        <source>show this text</source>
        <extracomment>Help of -h, --help.</extracomment>
        <translation>muestra este texto</translation>
    </message>
    <message>
        <source>show the version and the licence</source>
        <extracomment>Help of -v, --version.</extracomment>
        <translation>muestra la versión y la licencia</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 a file cannot be read or written (some photos
failed), 2 usage error.</source>
        <extracomment>Lines of at most 78 characters.</extracomment>
        <translation>Estado de salida: 0 correcto, 1 no se puede leer o escribir un
archivo (algunas fotos han fallado), 2 error de uso.</translation>
    </message>
    <message>
        <source>%1 needs a value, not &quot;-&quot;</source>
        <extracomment>%1 is an option, e.g. --out-dir, given &quot;-&quot; where its value should be.</extracomment>
        <translation>%1 necesita un valor, no &quot;-&quot;</translation>
    </message>
    <message>
        <source>%1 needs a value, not the option &quot;%2&quot;</source>
        <extracomment>%1 is an option, e.g. --out-dir; %2 the option that came where its value should be.</extracomment>
        <translation>%1 necesita un valor, no la opción &quot;%2&quot;</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <extracomment>%1 is the option as typed, e.g. --colour.</extracomment>
        <translation>opción desconocida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 takes one DOCUMENT and one OUTPUT</source>
        <extracomment>%1 is the option --thumbnail. DOCUMENT and OUTPUT are as in the usage lines of --help.</extracomment>
        <translation>%1 necesita un DOCUMENT y un OUTPUT</translation>
    </message>
    <message>
        <source>%1 must be working, full or a longer side from %2 to %3 pixels (%3 x %3 is the 64 MP limit), not &quot;%4&quot;</source>
        <extracomment>%1 is the option --size; &quot;working&quot; and &quot;full&quot; are values it takes: keep them as they are.</extracomment>
        <translation>%1 debe ser working, full o un lado mayor de %2 a %3 píxeles (%3 x %3 es el límite de 64 MP), no &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <extracomment>%1 is the option --out-dir, given an empty value.</extracomment>
        <translation>%1 necesita una carpeta</translation>
    </message>
    <message>
        <source>%1 writes seven files: it needs %2</source>
        <extracomment>%1 is &quot;--style all&quot;, %2 the option --out-dir.</extracomment>
        <translation>%1 escribe siete archivos: necesita %2</translation>
    </message>
    <message>
        <source>the style must be a number from 0 to 7 or all, not &quot;%1&quot;</source>
        <extracomment>&quot;all&quot; is a value --style takes with --out-dir: keep it as it is. %1 is what was given.</extracomment>
        <translation>el estilo debe ser un número de 0 a 7 o all, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the style must be a number from 0 to 7, not &quot;%1&quot;</source>
        <extracomment>%1 is what was given for --style.</extracomment>
        <translation>el estilo debe ser un número de 0 a 7, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <extracomment>%1 is the option --texture, given an empty value.</extracomment>
        <translation>%1 necesita un archivo</translation>
    </message>
    <message>
        <source>%1 must be a number of megabytes from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the option --memory; %2 to %3 the megabytes it takes; %4 what was given.</extracomment>
        <translation>%1 debe ser un número de megabytes de %2 a %3, no &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1 must be png or jpg, not &quot;%2&quot;</source>
        <extracomment>%1 is the option --format; &quot;png&quot; and &quot;jpg&quot; are the values it takes: keep them. %2 is what was given.</extracomment>
        <translation>%1 debe ser png o jpg, no &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no INPUT given</source>
        <extracomment>INPUT is as in the usage lines of --help.</extracomment>
        <translation>no se ha indicado ningún INPUT</translation>
    </message>
    <message>
        <source>%1 goes with %2; OUTPUT&apos;s extension gives the format</source>
        <extracomment>%1 is the option --format, %2 the option --out-dir; OUTPUT is as in the usage lines of --help.</extracomment>
        <translation>%1 solo se usa con %2; la extensión de OUTPUT da el formato</translation>
    </message>
    <message>
        <source>INPUT and OUTPUT are needed</source>
        <extracomment>INPUT and OUTPUT are as in the usage lines of --help.</extracomment>
        <translation>se necesitan INPUT y OUTPUT</translation>
    </message>
    <message>
        <source>only one INPUT and one OUTPUT are taken (%1 takes many)</source>
        <extracomment>INPUT and OUTPUT are as in the usage lines of --help; %1 is the option --out-dir.</extracomment>
        <translation>solo se admite un INPUT y un OUTPUT (%1 admite varios)</translation>
    </message>
    <message>
        <source>OUTPUT must end in .png, .jpg or .jpeg: &quot;%1&quot;</source>
        <extracomment>OUTPUT is as in the usage lines of --help; %1 is the name given for it.</extracomment>
        <translation>OUTPUT debe terminar en .png, .jpg o .jpeg: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>OUTPUT is the same file as INPUT</source>
        <extracomment>OUTPUT and INPUT are as in the usage lines of --help.</extracomment>
        <translation>OUTPUT es el mismo archivo que INPUT</translation>
    </message>
    <message>
        <source>OUTPUT is the same file as the texture</source>
        <extracomment>OUTPUT is as in the usage lines of --help; the texture is the picture --texture names.</extracomment>
        <translation>OUTPUT es el mismo archivo que la textura</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Said of OUTPUT when it names a folder, a device or the like.</extracomment>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 writes a .mp4 or .webp file, not &quot;%2&quot;</source>
        <extracomment>%1 is the option --timelapse; %2 the file name given to it.</extracomment>
        <translation>%1 escribe un archivo .mp4 o .webp, no &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 must be a number of seconds from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the option --duration; %2 to %3 the seconds it takes; %4 what was given.</extracomment>
        <translation>%1 debe ser un número de segundos de %2 a %3, no &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1 takes one PAINTING</source>
        <extracomment>%1 is the option --timelapse; PAINTING is the Vorlane document it is made from.</extracomment>
        <translation>%1 admite un solo documento PAINTING</translation>
    </message>
    <message>
        <source>time-lapse %1%</source>
        <extracomment>Progress while the video is written: %1 is how much is done, in percent.</extracomment>
        <translation>time-lapse %1 %</translation>
    </message>
</context>
</TS>
