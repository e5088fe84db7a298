<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Localizable</name>
    <message>
        <source>You can give your photos a dramatic effect by converting them to sketch(from PhotoB), while keeping the region and details that you choose in color(from PhotoA).
1. Use your finger as a brush to &apos;paint&apos; area of the sketch image, or to bring back the original color.
2. Move photo by two-finger move.
3. Zooming in and out by two-finger pinching.</source>
        <comment>HelpText</comment>
        <translation>Dai alle tue foto un effetto d&apos;impatto trasformandole in schizzi (dalla Foto B) e mantenendo a colori (dalla Foto A) le zone e i dettagli che scegli.
1. Usa il dito come pennello per «dipingere» zone dello schizzo o per far tornare il colore originale.
2. Sposta la foto trascinandola con due dita.
3. Ingrandisci o rimpicciolisci la foto avvicinando o allontanando due dita.</translation>
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
        <translation>Vorlane trasforma la tua foto in uno schizzo a matita e ti permette di ridipingere il colore della foto dove vuoi.

Dipingere: trascina con il tasto sinistro del mouse sull&apos;immagine. Con «Dipingi colore» (A) riappare il colore; con «Ripristina schizzo» (B) torna lo schizzo.
Dimensione del pennello: il cursore nella barra degli strumenti oppure i tasti [ e ]. Il cerchio sotto il puntatore mostra il pennello.
Zoom: la rotellina del mouse o il gesto di pizzico sul trackpad ingrandiscono attorno al puntatore; Ctrl++ e Ctrl+- ingrandiscono e riducono, Ctrl+0 adatta l&apos;immagine alla finestra, Ctrl+1 la mostra a dimensione reale.
Spostare l&apos;immagine: trascina con il tasto destro o centrale del mouse.
Confrontare: tieni premuto il tasto barra rovesciata (\) per vedere solo il livello colore.
Annulla e ripeti interi tratti con Ctrl+Z e Ctrl+Shift+Z.
Nel pannello Stili, «Stile dello schizzo» determina l&apos;aspetto dello schizzo e «Livello colore» ciò che «Dipingi colore» riporta: la foto stessa o la foto in uno stile.
Copia l&apos;immagine con Ctrl+C; salva il dipinto con Ctrl+S.</translation>
    </message>
    <message>
        <source>Get it</source>
        <comment>Get it</comment>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>More</source>
        <comment>More</comment>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Next time</source>
        <comment>Next time</comment>
        <translation>Più tardi</translation>
    </message>
    <message>
        <source>Photo</source>
        <comment>StyleName0</comment>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Pencil</source>
        <comment>StyleName1</comment>
        <translation>Matita</translation>
    </message>
    <message>
        <source>Sharp Pencil</source>
        <comment>StyleName2</comment>
        <translation>Matita nitida</translation>
    </message>
    <message>
        <source>Outline</source>
        <comment>StyleName3</comment>
        <translation>Contorni</translation>
    </message>
    <message>
        <source>Chalk</source>
        <comment>StyleName4</comment>
        <translation>Gesso</translation>
    </message>
    <message>
        <source>Relief</source>
        <comment>StyleName5</comment>
        <translation>Rilievo</translation>
    </message>
    <message>
        <source>Emboss</source>
        <comment>StyleName6</comment>
        <translation>Sbalzo</translation>
    </message>
    <message>
        <source>Deboss</source>
        <comment>StyleName7</comment>
        <translation>Incavo</translation>
    </message>
</context>
<context>
    <name>canvas::CanvasCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Undo the last stroke</source>
        <translation>Annulla l&apos;ultimo tratto</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Redo the stroke undone last</source>
        <translation>Ripete l&apos;ultimo tratto annullato</translation>
    </message>
    <message>
        <source>&amp;Paint Colour</source>
        <translation>&amp;Dipingi colore</translation>
    </message>
    <message>
        <source>Paint the colour back over the sketch (A)</source>
        <translation>Riporta il colore sullo schizzo (A)</translation>
    </message>
    <message>
        <source>&amp;Restore Sketch</source>
        <translation>&amp;Ripristina schizzo</translation>
    </message>
    <message>
        <source>Bring the sketch back (B)</source>
        <translation>Riporta lo schizzo (B)</translation>
    </message>
    <message>
        <source>&amp;Bigger Brush</source>
        <translation>Pennello più &amp;grande</translation>
    </message>
    <message>
        <source>Make the brush larger</source>
        <translation>Ingrandisce il pennello</translation>
    </message>
    <message>
        <source>&amp;Smaller Brush</source>
        <translation>Pennello più &amp;piccolo</translation>
    </message>
    <message>
        <source>Make the brush smaller</source>
        <translation>Rimpicciolisce il pennello</translation>
    </message>
</context>
<context>
    <name>canvas::VorlaneView</name>
    <message>
        <source>Brush Size：</source>
        <extracomment>Ends in a full-width colon (U+FF1A), as the label was first drawn.</extracomment>
        <translation>Dim. pennello：</translation>
    </message>
</context>
<context>
    <name>desktop::DesktopWindow</name>
    <message>
        <source>&lt;p style=&apos;font-size:x-large&apos;&gt;Open a photo to begin.&lt;/p&gt;&lt;p&gt;File &amp;rsaquo; Open&amp;hellip; (Ctrl+O), or drop a photo here.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:x-large&apos;&gt;Apri una foto per iniziare.&lt;/p&gt;&lt;p&gt;File &amp;rsaquo; Apri&amp;hellip; (Ctrl+O), oppure trascina qui una foto.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>Nessuna foto</translation>
    </message>
    <message>
        <source>%1  %2 × %3 px</source>
        <extracomment>The status bar&apos;s photo: %1 its name, %2 x %3 its size in pixels.</extracomment>
        <translation>%1  %2 × %3 px</translation>
    </message>
    <message>
        <source>Brush %1 px</source>
        <translation>Pennello %1 px</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>%1 is the saved file&apos;s path.</extracomment>
        <translation>Salvato: %1</translation>
    </message>
    <message>
        <source>Save changes to the painting before quitting?</source>
        <translation>Salvare le modifiche al dipinto prima di uscire?</translation>
    </message>
    <message>
        <source>Save changes to the painting before opening the dropped picture?</source>
        <translation>Salvare le modifiche al dipinto prima di aprire l&apos;immagine trascinata?</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Open a photo from a file</source>
        <translation>Apre una foto da un file</translation>
    </message>
    <message>
        <source>&amp;Take Photo...</source>
        <translation>Scatta &amp;foto...</translation>
    </message>
    <message>
        <source>Take a photo with the camera</source>
        <translation>Scatta una foto con la fotocamera</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save the painting as a Vorlane document</source>
        <translation>Salva il dipinto come documento Vorlane</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;come...</translation>
    </message>
    <message>
        <source>Save the painting as a Vorlane document of another name</source>
        <translation>Salva il dipinto come documento Vorlane con un altro nome</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>Es&amp;porta...</translation>
    </message>
    <message>
        <source>Write the picture as a PNG or JPEG file</source>
        <translation>Salva l&apos;immagine come file PNG o JPEG</translation>
    </message>
    <message>
        <source>Export A&amp;gain</source>
        <translation>Esporta di &amp;nuovo</translation>
    </message>
    <message>
        <source>Write the picture to the file exported last</source>
        <translation>Salva l&apos;immagine nell&apos;ultimo file esportato</translation>
    </message>
    <message>
        <source>Export Time-&amp;lapse...</source>
        <translation>Esporta &amp;time-lapse...</translation>
    </message>
    <message>
        <source>Write a short film of the painting being made (MP4 or animated WebP)</source>
        <translation>Crea un breve video della realizzazione del dipinto (MP4 o WebP animato)</translation>
    </message>
    <message>
        <source>Save to &amp;Pictures</source>
        <translation>Salva in &amp;Immagini</translation>
    </message>
    <message>
        <source>Save the picture to the Vorlane folder in Pictures</source>
        <translation>Salva l&apos;immagine nella cartella Vorlane dentro Immagini</translation>
    </message>
    <message>
        <source>Share by &amp;Mail...</source>
        <translation>Condividi via e-&amp;mail...</translation>
    </message>
    <message>
        <source>Attach the picture to a new mail</source>
        <translation>Allega l&apos;immagine a una nuova e-mail</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Quit Vorlane</source>
        <translation>Chiude Vorlane</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Show the picture larger</source>
        <translation>Mostra l&apos;immagine più grande</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ri&amp;duci</translation>
    </message>
    <message>
        <source>Show the picture smaller</source>
        <translation>Mostra l&apos;immagine più piccola</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>Adatta alla &amp;finestra</translation>
    </message>
    <message>
        <source>Show the whole picture as large as the window allows</source>
        <translation>Mostra l&apos;intera immagine, grande quanto la finestra consente</translation>
    </message>
    <message>
        <source>&amp;Actual Pixels</source>
        <translation>Dimensione &amp;reale</translation>
    </message>
    <message>
        <source>Show one picture pixel per screen pixel</source>
        <translation>Mostra un pixel dell&apos;immagine per ogni pixel dello schermo</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Confronta</translation>
    </message>
    <message>
        <source>Show the colour layer alone (or hold the \ key)</source>
        <translation>Mostra solo il livello colore (o tieni premuto il tasto \)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy the picture to the clipboard</source>
        <translation>Copia l&apos;immagine negli appunti</translation>
    </message>
    <message>
        <source>Pe&amp;n Pressure</source>
        <translation>Pressione della pe&amp;nna</translation>
    </message>
    <message>
        <source>A pen tablet&apos;s pressure sets the brush width, from a quarter to all of it</source>
        <translation>Con una tavoletta grafica, la pressione della penna regola la dimensione del pennello, da un quarto a quella piena</translation>
    </message>
    <message>
        <source>Vorlane &amp;Help</source>
        <translation>&amp;Guida di Vorlane</translation>
    </message>
    <message>
        <source>How to paint, zoom and move the picture</source>
        <translation>Come dipingere, ingrandire e spostare l&apos;immagine</translation>
    </message>
    <message>
        <source>&amp;About Vorlane</source>
        <translation>&amp;Informazioni su Vorlane</translation>
    </message>
    <message>
        <source>Version, licence and credits</source>
        <translation>Versione, licenza e riconoscimenti</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Styles Panel</source>
        <translation>Pannello &amp;stili</translation>
    </message>
    <message>
        <source>Show or hide the list of styles</source>
        <translation>Mostra o nasconde l&apos;elenco degli stili</translation>
    </message>
    <message>
        <source>&amp;Brush</source>
        <translation>&amp;Pennello</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source> Brush size </source>
        <translation> Dim. pennello </translation>
    </message>
    <message>
        <source>Brush size ([ and ])</source>
        <translation>Dimensione del pennello ([ e ])</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>Hold to show the colour layer alone</source>
        <translation>Tieni premuto per vedere solo il livello colore</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Undo Stroke</source>
        <translation>&amp;Annulla tratto</translation>
    </message>
    <message>
        <source>&amp;Undo Style Change</source>
        <translation>&amp;Annulla cambio di stile</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Redo Stroke</source>
        <translation>&amp;Ripeti tratto</translation>
    </message>
    <message>
        <source>&amp;Redo Style Change</source>
        <translation>&amp;Ripeti cambio di stile</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>The toolbar&apos;s short word for Edit &gt; Undo.</extracomment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>The toolbar&apos;s short word for Edit &gt; Redo.</extracomment>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Undo the style change</source>
        <translation>Annulla il cambio di stile</translation>
    </message>
    <message>
        <source>Undo the last stroke</source>
        <translation>Annulla l&apos;ultimo tratto</translation>
    </message>
    <message>
        <source>Redo the style change</source>
        <translation>Ripete il cambio di stile</translation>
    </message>
    <message>
        <source>Redo the stroke undone last</source>
        <translation>Ripete l&apos;ultimo tratto annullato</translation>
    </message>
    <message>
        <source>About Vorlane</source>
        <translation>Informazioni su Vorlane</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Vorlane %1&lt;/h3&gt;&lt;p&gt;Turns a photo into a pencil sketch and lets you paint the colour back.&lt;/p&gt;&lt;p&gt;Vorlane is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version.&lt;/p&gt;&lt;p&gt;Sample photo: astronaut Eileen Collins, NASA (public domain).&lt;/p&gt;</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>&lt;h3&gt;Vorlane %1&lt;/h3&gt;&lt;p&gt;Trasforma una foto in uno schizzo a matita da ridipingere a colori.&lt;/p&gt;&lt;p&gt;Vorlane è software libero: puoi redistribuirlo e/o modificarlo secondo i termini della GNU General Public License, versione 3 o (a tua scelta) qualsiasi versione successiva.&lt;/p&gt;&lt;p&gt;Foto di esempio: l&apos;astronauta Eileen Collins, NASA (pubblico dominio).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Save Painting</source>
        <translation>Salva dipinto</translation>
    </message>
    <message>
        <source>Vorlane painting (*.vorlane)</source>
        <translation>Dipinto Vorlane (*.vorlane)</translation>
    </message>
    <message>
        <source>Painting</source>
        <extracomment>The file name offered for a painting of no photo name.</extracomment>
        <translation>Dipinto</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>JPEG image (*.jpg *.jpeg)</source>
        <translation>Immagine JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Esporta immagine</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Video MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>Animated WebP (*.webp)</source>
        <translation>WebP animato (*.webp)</translation>
    </message>
    <message>
        <source>Export Time-lapse</source>
        <translation>Esporta time-lapse</translation>
    </message>
    <message>
        <source>%1 time-lapse</source>
        <extracomment>The file name offered for a time-lapse; %1 is the painting&apos;s name.</extracomment>
        <translation>%1 time-lapse</translation>
    </message>
    <message>
        <source>Exporting %1</source>
        <extracomment>%1 is the name of the file being written.</extracomment>
        <translation>Esportazione di %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Export cancelled: nothing was written</source>
        <translation>Esportazione annullata: non è stato scritto nulla</translation>
    </message>
    <message>
        <source>Recover Painting</source>
        <translation>Recupera dipinto</translation>
    </message>
    <message>
        <source>Recover the painting of %1 from %2?</source>
        <extracomment>%1 is the photo&apos;s name, %2 the date and time the painting was last changed.</extracomment>
        <translation>Recuperare il dipinto di %1 (ultima modifica: %2)?</translation>
    </message>
    <message>
        <source>Vorlane ended without closing it. Discarded paintings cannot be brought back.</source>
        <translation>Vorlane è terminato senza chiuderlo. Un dipinto scartato non potrà più essere recuperato.</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Recupera</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Scarta</translation>
    </message>
    <message>
        <source>If you don&apos;t save, your changes will be lost.</source>
        <translation>Se non salvi, le modifiche andranno perse.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Save changes to the painting before opening another photo?</source>
        <translation>Salvare le modifiche al dipinto prima di aprire un&apos;altra foto?</translation>
    </message>
    <message>
        <source>All supported (*.vorlane %1)</source>
        <translation>Tutti i formati supportati (*.vorlane %1)</translation>
    </message>
    <message>
        <source>Vorlane paintings (*.vorlane)</source>
        <translation>Dipinti Vorlane (*.vorlane)</translation>
    </message>
    <message>
        <source>Open Photo</source>
        <translation>Apri foto</translation>
    </message>
    <message>
        <source>No Camera</source>
        <translation>Nessuna fotocamera</translation>
    </message>
    <message>
        <source>No camera was found on this computer.</source>
        <translation>Non è stata trovata alcuna fotocamera su questo computer.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save changes to the painting before taking a photo?</source>
        <translation>Salvare le modifiche al dipinto prima di scattare una foto?</translation>
    </message>
    <message>
        <source>Save changes to the painting before opening %1?</source>
        <extracomment>%1 is the name of the file about to be opened.</extracomment>
        <translation>Salvare le modifiche al dipinto prima di aprire %1?</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Svuota menu</translation>
    </message>
    <message>
        <source>Vorlane Help</source>
        <translation>Guida di Vorlane</translation>
    </message>
    <message>
        <source>&amp;Rate Vorlane...</source>
        <translation>&amp;Valuta Vorlane...</translation>
    </message>
    <message>
        <source>Rate Vorlane in your software centre</source>
        <translation>Valuta Vorlane nel tuo centro software</translation>
    </message>
    <message>
        <source>&amp;More Apps...</source>
        <translation>&amp;Altre app...</translation>
    </message>
    <message>
        <source>Other free apps for pictures that you may like</source>
        <translation>Altre app gratuite per le immagini che potrebbero piacerti</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>Altre app</translation>
    </message>
    <message>
        <source>No file manager could show the folder %1</source>
        <translation>Nessun gestore di file è riuscito a mostrare la cartella %1</translation>
    </message>
    <message>
        <source>Picture copied, %1 × %2 px</source>
        <extracomment>%1 x %2 is the picture&apos;s size in pixels.</extracomment>
        <translation>Immagine copiata, %1 × %2 px</translation>
    </message>
    <message>
        <source>No Mail Program</source>
        <translation>Nessun programma di posta</translation>
    </message>
    <message>
        <source>No mail program took the picture. Save it to your Pictures folder and attach it to a mail yourself?</source>
        <translation>Nessun programma di posta ha accettato l&apos;immagine. Salvarla nella cartella Immagini per allegarla a mano a un&apos;e-mail?</translation>
    </message>
    <message>
        <source>Save to Pictures</source>
        <translation>Salva in Immagini</translation>
    </message>
    <message>
        <source>No camera was found on this computer</source>
        <translation>Nessuna fotocamera trovata su questo computer</translation>
    </message>
    <message>
        <source>Scroll &amp;Bars</source>
        <translation>&amp;Barre di scorrimento</translation>
    </message>
    <message>
        <source>Show scroll bars when the picture is larger than the window</source>
        <translation>Mostra le barre di scorrimento quando l&apos;immagine è più grande della finestra</translation>
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
        <translation>Esporta immagine</translation>
    </message>
    <message>
        <source>&amp;Working size (%1)</source>
        <extracomment>%1 is a size in pixels, &quot;1280 × 960&quot;.</extracomment>
        <translation>&amp;Dimensione di lavoro (%1)</translation>
    </message>
    <message>
        <source>The &amp;photo&apos;s own size (%1)</source>
        <translation>Dimensione &amp;originale della foto (%1)</translation>
    </message>
    <message>
        <source>&amp;Longer side:</source>
        <translation>&amp;Lato lungo:</translation>
    </message>
    <message>
        <source>Higher keeps more detail in a larger file</source>
        <translation>Un valore più alto conserva più dettagli, con un file più grande</translation>
    </message>
    <message>
        <source>JPEG &amp;quality:</source>
        <translation>&amp;Qualità JPEG:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Writes %1 pixels as %2.</source>
        <extracomment>%1 is a size in pixels, &quot;1280 × 960&quot;; %2 the file type, PNG or JPEG.</extracomment>
        <translation>Verrà salvata un&apos;immagine di %1 pixel in formato %2.</translation>
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
        <translation>Prima volta con Vorlane? La guida spiega come dipingere, ingrandire e spostare l&apos;immagine.</translation>
    </message>
    <message>
        <source>Show Help</source>
        <translation>Mostra la guida</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Rate It</source>
        <translation>Valuta</translation>
    </message>
    <message>
        <source>More Apps…</source>
        <translation>Altre app…</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Non ora</translation>
    </message>
    <message>
        <source>Enjoying Vorlane? Rate it in your software centre, or have a look at more free apps for your pictures.</source>
        <translation>Ti piace Vorlane? Valutalo nel centro software o dai un&apos;occhiata ad altre app gratuite per le tue immagini.</translation>
    </message>
    <message>
        <source>Enjoying Vorlane? A rating in your software centre helps others find it.</source>
        <translation>Ti piace Vorlane? Una valutazione nel centro software aiuta altri utenti a scoprirlo.</translation>
    </message>
    <message>
        <source>Enjoying Vorlane? Have a look at more free apps for your pictures.</source>
        <translation>Ti piace Vorlane? Dai un&apos;occhiata ad altre app gratuite per le tue immagini.</translation>
    </message>
</context>
<context>
    <name>desktop::StylePanel</name>
    <message>
        <source>Styles</source>
        <translation>Stili</translation>
    </message>
    <message>
        <source>&amp;Sketch style</source>
        <translation>&amp;Stile dello schizzo</translation>
    </message>
    <message>
        <source>How the sketch looks: the picture the painting starts from</source>
        <translation>L&apos;aspetto dello schizzo: l&apos;immagine da cui parte il dipinto</translation>
    </message>
    <message>
        <source>&amp;Colour layer</source>
        <translation>&amp;Livello colore</translation>
    </message>
    <message>
        <source>What Paint Colour brings back: the photo itself, or the photo in a style</source>
        <translation>Ciò che «Dipingi colore» riporta: la foto stessa o la foto in uno stile</translation>
    </message>
</context>
<context>
    <name>desktop::TimelapseDialog</name>
    <message>
        <source>Export Time-lapse</source>
        <translation>Esporta time-lapse</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>The unit after the length in seconds.</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Length:</source>
        <translation>&amp;Durata:</translation>
    </message>
    <message>
        <source>Longer &amp;side:</source>
        <translation>&amp;Lato lungo:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Writes %1 pixels, %2 s at %3 frames a second, as H.264 video (MP4).</source>
        <extracomment>%1 is a size in pixels, &quot;1280 × 960&quot;; %2 the length in seconds; %3 the frame rate.</extracomment>
        <translation>Verrà creato un video H.264 (MP4) di %1 pixel, %2 s a %3 fotogrammi al secondo.</translation>
    </message>
    <message>
        <source>Writes %1 pixels, %2 s at %3 frames a second, as animated WebP.</source>
        <translation>Verrà creato un WebP animato di %1 pixel, %2 s a %3 fotogrammi al secondo.</translation>
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
        <translation>Zoom: digita una percentuale e premi Invio, oppure scegline una</translation>
    </message>
    <message>
        <source>Fit</source>
        <extracomment>The zoom box&apos;s choice that fits the picture to the window.</extracomment>
        <translation>Adatta</translation>
    </message>
</context>
<context>
    <name>document</name>
    <message>
        <source>The dropped picture</source>
        <extracomment>A dropped picture without a file, first in &quot;The dropped picture could not be opened: ...&quot;.</extracomment>
        <translation>l&apos;immagine trascinata</translation>
    </message>
    <message>
        <source>the H.264 encoder cannot start (%1)</source>
        <extracomment>Why a time-lapse cannot be written; %1 is the video library&apos;s reason.</extracomment>
        <translation>impossibile avviare il codificatore H.264 (%1)</translation>
    </message>
    <message>
        <source>an MP4 frame needs even sides</source>
        <translation>i fotogrammi MP4 richiedono lati di lunghezza pari</translation>
    </message>
    <message>
        <source>this system&apos;s libavcodec has no H.264 encoder</source>
        <translation>la libavcodec di questo sistema non ha un codificatore H.264</translation>
    </message>
    <message>
        <source>libavformat has no MP4 muxer</source>
        <translation>libavformat non ha un muxer MP4</translation>
    </message>
    <message>
        <source>the frames cannot be converted to yuv420p</source>
        <translation>impossibile convertire i fotogrammi in yuv420p</translation>
    </message>
    <message>
        <source>a frame does not match the video</source>
        <translation>un fotogramma non corrisponde al video</translation>
    </message>
    <message>
        <source>the video cannot be encoded (%1)</source>
        <extracomment>Why a time-lapse cannot be written; %1 is the video library&apos;s reason.</extracomment>
        <translation>impossibile codificare il video (%1)</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>la cartella non esiste</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>operazione annullata</translation>
    </message>
    <message>
        <source>a style cannot be rendered</source>
        <translation>impossibile generare uno degli stili</translation>
    </message>
    <message>
        <source>its photo does not match its painting</source>
        <extracomment>Why a painting cannot be opened or rendered: its stored photo is not the one it was painted on.</extracomment>
        <translation>la foto non corrisponde al dipinto</translation>
    </message>
    <message>
        <source>its photo cannot be decoded</source>
        <translation>impossibile decodificare la foto</translation>
    </message>
    <message>
        <source>not a Vorlane document</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot;.</extracomment>
        <translation>non è un documento Vorlane</translation>
    </message>
    <message>
        <source>made by a newer version of Vorlane</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot;.</extracomment>
        <translation>creato con una versione più recente di Vorlane</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot; (the file is damaged).</extracomment>
        <translation>il file è danneggiato</translation>
    </message>
    <message>
        <source>too large</source>
        <extracomment>Why a painting cannot be opened or kept, after &quot;NAME could not be opened: &quot; (the painting is too large).</extracomment>
        <translation>il dipinto è troppo grande</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <extracomment>Why a painting cannot be opened or saved, after &quot;NAME could not be opened: &quot; (the file is in use).</extracomment>
        <translation>il file è in uso da parte di un altro programma</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot; (the file cannot be read).</extracomment>
        <translation>il file non può essere letto</translation>
    </message>
    <message>
        <source>its photo does not match its checksum</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot;.</extracomment>
        <translation>la foto non corrisponde al suo checksum</translation>
    </message>
    <message>
        <source>does not exist</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot; (the file does not exist).</extracomment>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>the folder cannot be written to</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>non è possibile scrivere nella cartella</translation>
    </message>
    <message>
        <source>the painting holds values no document can have</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>il dipinto contiene valori non ammessi in un documento</translation>
    </message>
    <message>
        <source>the session is closed</source>
        <translation>la sessione è chiusa</translation>
    </message>
    <message>
        <source>the session has no file name</source>
        <translation>la sessione non ha un nome file</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <extracomment>Why a picture cannot be saved; %1 is the folder&apos;s path.</extracomment>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>there is no picture</source>
        <translation>non c&apos;è nessuna immagine</translation>
    </message>
    <message>
        <source>no free file name is left</source>
        <translation>non è rimasto alcun nome file libero</translation>
    </message>
    <message>
        <source>a picture can be saved as PNG (.png) or JPEG (.jpg) only</source>
        <translation>un&apos;immagine può essere salvata solo come PNG (.png) o JPEG (.jpg)</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>esiste già una cartella con questo nome</translation>
    </message>
    <message>
        <source>the file %1 is read-only</source>
        <extracomment>Why a picture cannot be saved; %1 is the file&apos;s name.</extracomment>
        <translation>il file %1 è di sola lettura</translation>
    </message>
    <message>
        <source>Hello!</source>
        <extracomment>The subject and the whole text of a mail the picture is shared by.</extracomment>
        <translation>Ciao!</translation>
    </message>
    <message>
        <source>the sketch texture is missing</source>
        <translation>manca la texture dello schizzo</translation>
    </message>
    <message>
        <source>the sketch texture could not be scaled</source>
        <translation>impossibile ridimensionare la texture dello schizzo</translation>
    </message>
    <message>
        <source>there is no photo</source>
        <translation>non c&apos;è nessuna foto</translation>
    </message>
    <message>
        <source>the photo raster could not be made</source>
        <translation>impossibile creare il raster della foto</translation>
    </message>
    <message>
        <source>the result image could not be made</source>
        <translation>impossibile creare l&apos;immagine risultante</translation>
    </message>
    <message>
        <source>a time-lapse is written as .mp4 or .webp</source>
        <translation>un time-lapse può essere salvato solo come .mp4 o .webp</translation>
    </message>
    <message>
        <source>a time-lapse lasts %1 to %2 seconds</source>
        <extracomment>%1 and %2 are the shortest and longest time-lapse in seconds.</extracomment>
        <translation>un time-lapse dura da %1 a %2 secondi</translation>
    </message>
    <message>
        <source>a time-lapse is at least %1 pixels on its longer side</source>
        <extracomment>%1 is the smallest longer side of a time-lapse, in pixels.</extracomment>
        <translation>il lato lungo di un time-lapse misura almeno %1 pixel</translation>
    </message>
    <message>
        <source>libwebp cannot start</source>
        <translation>impossibile avviare libwebp</translation>
    </message>
    <message>
        <source>a frame does not match the animation</source>
        <translation>un fotogramma non corrisponde all&apos;animazione</translation>
    </message>
    <message>
        <source>the animation cannot be encoded (%1)</source>
        <extracomment>Why a time-lapse cannot be written; %1 is the WebP library&apos;s reason.</extracomment>
        <translation>impossibile codificare l&apos;animazione (%1)</translation>
    </message>
    <message>
        <source>the animation cannot be encoded</source>
        <translation>impossibile codificare l&apos;animazione</translation>
    </message>
</context>
<context>
    <name>document::SketchDocument</name>
    <message>
        <source>Images (%1)</source>
        <extracomment>The open dialog&apos;s filter; %1 is the list of file patterns (&quot;*.jpg *.png ...&quot;).</extracomment>
        <translation>Immagini (%1)</translation>
    </message>
    <message>
        <source>Cannot Open Photo</source>
        <translation>Impossibile aprire la foto</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <extracomment>%1 is the name of the file or picture, %2 the reason (a clause in lower case).</extracomment>
        <translation>Impossibile aprire %1: %2.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>the file is not a picture</source>
        <translation>il file non è un&apos;immagine</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>l&apos;immagine è vuota</translation>
    </message>
    <message>
        <source>the picture could not be rendered</source>
        <translation>impossibile elaborare l&apos;immagine</translation>
    </message>
    <message>
        <source>The camera picture</source>
        <extracomment>A picture from the camera, first in &quot;The camera picture could not be opened: ...&quot;.</extracomment>
        <translation>l&apos;immagine della fotocamera</translation>
    </message>
    <message>
        <source>Not Exported</source>
        <translation>Esportazione non riuscita</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason (a clause in lower case).</extracomment>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>il file è troppo grande</translation>
    </message>
    <message>
        <source>Cannot Open Painting</source>
        <translation>Impossibile aprire il dipinto</translation>
    </message>
    <message>
        <source>it is open in Vorlane already</source>
        <translation>è già aperto in Vorlane</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>il file è danneggiato</translation>
    </message>
    <message>
        <source>Painting Not Saved</source>
        <translation>Dipinto non salvato</translation>
    </message>
    <message>
        <source>The painting could not be saved as %1: %2.</source>
        <extracomment>%1 is the document&apos;s file name, %2 the reason (a clause in lower case).</extracomment>
        <translation>Impossibile salvare il dipinto come %1: %2.</translation>
    </message>
    <message>
        <source>No Picture</source>
        <translation>Nessuna immagine</translation>
    </message>
    <message>
        <source>Load a photo first.</source>
        <translation>Prima carica una foto.</translation>
    </message>
    <message>
        <source>Image Saved!</source>
        <translation>Immagine salvata!</translation>
    </message>
    <message>
        <source>The new image is saved to your album.</source>
        <translation>La nuova immagine è stata salvata nell&apos;album.</translation>
    </message>
    <message>
        <source>The image could not be saved to your album: %1.</source>
        <extracomment>%1 is the reason (a clause in lower case).</extracomment>
        <translation>Impossibile salvare l&apos;immagine nell&apos;album: %1.</translation>
    </message>
    <message>
        <source>The image could not be saved as %1: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason (a clause in lower case).</extracomment>
        <translation>Impossibile salvare l&apos;immagine come %1: %2.</translation>
    </message>
    <message>
        <source>Image Not Saved</source>
        <translation>Immagine non salvata</translation>
    </message>
    <message>
        <source>A picture made with Vorlane</source>
        <translation>Un&apos;immagine creata con Vorlane</translation>
    </message>
    <message>
        <source>Cannot Share</source>
        <translation>Impossibile condividere</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Impossibile avviare un programma di posta.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>the file does not exist</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>troppi livelli di collegamenti simbolici</translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation>il nome del file è troppo lungo</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>il file non può essere letto</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <extracomment>Why a file cannot be opened; %1 is the system&apos;s reason.</extracomment>
        <translation>il file non può essere letto (%1)</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>spazio esaurito sul dispositivo</translation>
    </message>
    <message>
        <source>file too large</source>
        <extracomment>Why a file cannot be written: it has reached the largest size allowed.</extracomment>
        <translation>file troppo grande</translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <extracomment>Why a file cannot be written; %1 is the system&apos;s reason.</extracomment>
        <translation>il file non può essere scritto (%1)</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete</source>
        <translation>il file è danneggiato o incompleto</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>l&apos;immagine è troppo grande</translation>
    </message>
    <message>
        <source>memory ran out</source>
        <extracomment>Why a photo, a painting or a file could not be read, rendered or written.</extracomment>
        <translation>memoria esaurita</translation>
    </message>
    <message>
        <source>the picture is stored in a way that cannot be read</source>
        <translation>l&apos;immagine è salvata in un formato non leggibile</translation>
    </message>
    <message>
        <source>the file is not a picture</source>
        <translation>il file non è un&apos;immagine</translation>
    </message>
    <message>
        <source>the picture could not be scaled</source>
        <translation>impossibile ridimensionare l&apos;immagine</translation>
    </message>
    <message>
        <source>%1 pixels is larger than the photo (%2 x %3)</source>
        <extracomment>Why a picture cannot be exported at the longer side asked for: %1 is that side, %2 x %3 the photo&apos;s own size, in pixels.</extracomment>
        <translation>il lato di %1 pixel supera le dimensioni della foto (%2 x %3)</translation>
    </message>
    <message>
        <source>there is no picture</source>
        <translation>non c&apos;è nessuna immagine</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>it cannot be written (%1)</source>
        <extracomment>Why a file cannot be saved; %1 is the system&apos;s or a library&apos;s reason.</extracomment>
        <translation>il file non può essere scritto (%1)</translation>
    </message>
</context>
<context>
    <name>platform::CameraCapture</name>
    <message>
        <source>Take Photo</source>
        <translation>Scatta foto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>promo</name>
    <message>
        <source>How to</source>
        <translation>Come si usa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rate?</source>
        <translation>Ci valuti?</translation>
    </message>
    <message>
        <source>Could you give us a rate and some suggestions to improve this App?</source>
        <translation>Ci lasceresti una valutazione e qualche suggerimento per migliorare l&apos;app?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
</context>
<context>
    <name>screen</name>
    <message>
        <source>No Camera!</source>
        <translation>Nessuna fotocamera!</translation>
    </message>
    <message>
        <source>There is no Camera on this Device. You can load photo from your album.</source>
        <translation>Questo dispositivo non ha una fotocamera. Puoi caricare una foto dall&apos;album.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error accessing photo library</source>
        <translation>Errore di accesso alla libreria foto</translation>
    </message>
    <message>
        <source>Device does not support a photo library</source>
        <translation>Il dispositivo non supporta una libreria foto</translation>
    </message>
    <message>
        <source>Drat!</source>
        <translation>Peccato!</translation>
    </message>
    <message>
        <source>Error accessing photo library!</source>
        <translation>Errore di accesso alla libreria foto!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>screen::MainViewController</name>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Scatta</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
</context>
<context>
    <name>vorlane</name>
    <message>
        <source>Turns a photo into a pencil sketch and lets you paint the colour back.</source>
        <translation>Trasforma una foto in uno schizzo a matita da ridipingere a colori.</translation>
    </message>
    <message>
        <source>Layout: desktop (a resizable window with menus), phone (320 points wide) or tablet (768 x 1024). Default: phone on a portrait touch screen narrower than 600 pixels, desktop elsewhere.</source>
        <extracomment>Help of --profile. desktop, phone and tablet are the values it takes: keep them as they are.</extracomment>
        <translation>Layout: desktop (finestra ridimensionabile con menu), phone (larga 320 punti) o tablet (768 x 1024). Predefinito: phone su touchscreen verticale sotto i 600 pixel, altrimenti desktop.</translation>
    </message>
    <message>
        <source>The phone layout&apos;s height (implies --profile phone).</source>
        <extracomment>Help of --screen-height. Keep &quot;--profile phone&quot; as it is: it is typed so.</extracomment>
        <translation>L&apos;altezza del layout phone (implica --profile phone).</translation>
    </message>
    <message>
        <source>Enlarge the whole window by this factor, 0.25 to 8 (as QT_SCALE_FACTOR).</source>
        <extracomment>Help of --scale. QT_SCALE_FACTOR is an environment variable&apos;s name: keep it.</extracomment>
        <translation>Scala la finestra di un fattore da 0.25 a 8 (come QT_SCALE_FACTOR).</translation>
    </message>
    <message>
        <source>A photo to open.</source>
        <extracomment>Help of the PHOTO argument.</extracomment>
        <translation>Una foto da aprire.</translation>
    </message>
    <message>
        <source>%1 takes desktop, phone or tablet, not %2</source>
        <extracomment>%1 is the option --profile; desktop, phone and tablet are the values it takes: keep them. %2 is what was given.</extracomment>
        <translation>%1 accetta desktop, phone o tablet, non %2</translation>
    </message>
    <message>
        <source>%1 takes 480 or 568, not %2</source>
        <extracomment>%1 is the option --screen-height; %2 what was given.</extracomment>
        <translation>%1 accetta 480 o 568, non %2</translation>
    </message>
    <message>
        <source>%1 takes a factor from 0.25 to 8, not %2</source>
        <extracomment>%1 is the option --scale; %2 what was given.</extracomment>
        <translation>%1 accetta un fattore da 0.25 a 8, non %2</translation>
    </message>
    <message>
        <source>only one photo can be opened</source>
        <translation>si può aprire una sola foto</translation>
    </message>
    <message>
        <source>%1 applies to the phone profile only</source>
        <extracomment>%1 is the option --screen-height.</extracomment>
        <translation>%1 vale solo per il profilo phone</translation>
    </message>
    <message>
        <source>Try &apos;vorlane --help&apos;.</source>
        <extracomment>Keep the command &quot;vorlane --help&quot; as it is.</extracomment>
        <translation>Prova &apos;vorlane --help&apos;.</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Vorlane developers.
License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <extracomment>The lines --version prints after the program&apos;s name and version. Keep the licence&apos;s name (GPL-3.0-or-later) and the address as they are.</extracomment>
        <translation>Copyright (C) 2026 gli sviluppatori di Vorlane.
Licenza GPL-3.0-or-later: GNU GPL versione 3 o successiva
&lt;https://gnu.org/licenses/gpl.html&gt;.
Questo è software libero: puoi modificarlo e ridistribuirlo.
Non c&apos;è ALCUNA GARANZIA, nei limiti consentiti dalla legge.
</translation>
    </message>
</context>
<context>
    <name>vorlane-sketch</name>
    <message>
        <source>the folder cannot be read</source>
        <translation>impossibile leggere la cartella</translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos</source>
        <extracomment>Progress of a batch: %1 photos done of %n.</extracomment>
        <translation>
            <numerusform>%1/%n foto</numerusform>
            <numerusform>%1/%n foto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos, %2 photos/s</source>
        <extracomment>Progress of a batch: %1 photos done of %n, at %2 photos a second.</extracomment>
        <translation>
            <numerusform>%1/%n foto, %2 foto/s</numerusform>
            <numerusform>%1/%n foto, %2 foto/s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos, %2 photos/s, %3 min %4 s left</source>
        <extracomment>Progress of a batch: %1 photos done of %n, at %2 photos a second, %3 minutes and %4 seconds left.</extracomment>
        <translation>
            <numerusform>%1/%n foto, %2 foto/s, ancora %3 min %4 s</numerusform>
            <numerusform>%1/%n foto, %2 foto/s, ancora %3 min %4 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos, %2 photos/s, %3 s left</source>
        <extracomment>Progress of a batch: %1 photos done of %n, at %2 photos a second, %3 seconds left.</extracomment>
        <translation>
            <numerusform>%1/%n foto, %2 foto/s, ancora %3 s</numerusform>
            <numerusform>%1/%n foto, %2 foto/s, ancora %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n photos failed</source>
        <extracomment>The batch&apos;s closing count: %1 of its %n photos failed.</extracomment>
        <translation>
            <numerusform>foto non riuscite: %1 su %n</numerusform>
            <numerusform>foto non riuscite: %1 su %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n photos already done, skipped</source>
        <extracomment>The batch&apos;s closing count: %1 of its %n photos were left out, their outputs there from an earlier run.</extracomment>
        <translation>
            <numerusform>foto già elaborate e saltate: %1 su %n</numerusform>
            <numerusform>foto già elaborate e saltate: %1 su %n</numerusform>
        </translation>
    </message>
    <message>
        <source>the picture cannot be encoded (%1)</source>
        <extracomment>%1 is the image encoder&apos;s reason.</extracomment>
        <translation>impossibile codificare l&apos;immagine (%1)</translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <extracomment>%1 is the system&apos;s reason, e.g. &quot;No space left on device&quot;.</extracomment>
        <translation>impossibile scrivere il file (%1)</translation>
    </message>
    <message>
        <source>the file cannot be written (every numbered name is taken)</source>
        <extracomment>The batch names its outputs &quot;NAME.styleN.png&quot;, then &quot;NAME.styleN (2).png&quot;, and so on.</extracomment>
        <translation>impossibile scrivere il file (tutti i nomi numerati in uso)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A failure line (after the program&apos;s name): %1 is a file&apos;s path, %2 what went wrong with that file, e.g. &quot;the file does not exist&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no texture was given</source>
        <translation>nessuna texture indicata</translation>
    </message>
    <message>
        <source>the texture cannot be made the photo&apos;s size</source>
        <translation>impossibile portare la texture alle dimensioni della foto</translation>
    </message>
    <message>
        <source>names no sketch-brush texture</source>
        <extracomment>Said of the program&apos;s own list of data files.</extracomment>
        <translation>non indica alcuna texture del pennello da schizzo</translation>
    </message>
    <message>
        <source>names the texture &quot;%1&quot;, which is missing</source>
        <extracomment>Said of the program&apos;s own list of data files; %1 is a picture&apos;s name.</extracomment>
        <translation>indica la texture &quot;%1&quot;, che non è presente</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>impossibile creare la cartella</translation>
    </message>
    <message>
        <source>the folder cannot be written (%1)</source>
        <extracomment>%1 is the system&apos;s reason, e.g. &quot;Permission denied&quot;.</extracomment>
        <translation>impossibile scrivere nella cartella (%1)</translation>
    </message>
    <message>
        <source>no photos among the inputs (a folder&apos;s pictures are taken by their extension)</source>
        <translation>nessuna foto tra i file indicati (nelle cartelle conta l&apos;estensione)</translation>
    </message>
    <message>
        <source>holds no preview</source>
        <extracomment>Said of a Vorlane document, whose preview picture --thumbnail writes.</extracomment>
        <translation>non contiene un&apos;anteprima</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <extracomment>%1 is the system&apos;s or the image encoder&apos;s reason.</extracomment>
        <translation>non può essere scritto (%1)</translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is an option, e.g. --jobs; %2 to %3 the numbers it takes; %4 what was given.</extracomment>
        <translation>%1 deve essere un numero da %2 a %3, non &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <extracomment>%1 and %2 are options, e.g. --skip-existing and --out-dir: the first is taken only with the second.</extracomment>
        <translation>%1 si usa solo con %2</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <extracomment>%1 and %2 are options, e.g. --thumbnail and --style: the first is never taken with the second.</extracomment>
        <translation>%1 non si usa con %2</translation>
    </message>
    <message>
        <source>Try &apos;vorlane-sketch --help&apos;.</source>
        <extracomment>Keep the command &quot;vorlane-sketch --help&quot; as it is.</extracomment>
        <translation>Prova &apos;vorlane-sketch --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT
  or:  vorlane-sketch --out-dir DIR [--style N|all] [OPTION]... INPUT...
  or:  vorlane-sketch --thumbnail SIZE DOCUMENT OUTPUT
  or:  vorlane-sketch --timelapse OUT.mp4|OUT.webp [--duration S] [--size N]
         DOCUMENT</source>
        <extracomment>The command&apos;s forms. Translate &quot;Usage:&quot; and &quot;or:&quot; only; keep the program&apos;s name, the options and the upper-case words (the files and values the command takes) as they are.</extracomment>
        <translation>Uso:       vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT
  oppure:  vorlane-sketch --out-dir DIR [--style N|all] [OPTION]... INPUT...
  oppure:  vorlane-sketch --thumbnail SIZE DOCUMENT OUTPUT
  oppure:  vorlane-sketch --timelapse OUT.mp4|OUT.webp [--duration S]
             [--size N] DOCUMENT</translation>
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
        <translation>Trasforma le foto in schizzi a matita. Ogni foto viene raddrizzata in base
al suo tag di orientamento e portata alla dimensione di lavoro: una foto
orizzontale larga più di 1280 pixel viene ridotta a 1280 pixel di
larghezza (2560 x 1600 diventa 1280 x 800); una foto verticale o quadrata
alta più di 1280 pixel viene ridotta alla larghezza massima multipla di
256 pixel che mantiene l&apos;altezza entro 1280 (1200 x 1600 diventa
768 x 1024); le foto più piccole mantengono la loro dimensione.</translation>
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
        <translation>La prima forma elabora INPUT e scrive OUTPUT come PNG o JPEG, in base
all&apos;estensione (.png, .jpg, .jpeg).
Con --out-dir, ogni INPUT è una foto o una cartella di cui si prendono le
immagini (solo il primo livello, in base all&apos;estensione), e ogni foto
viene scritta in DIR come NAME.styleN.png (o .jpg). A un nome già in uso
si aggiunge &quot; (2)&quot;, &quot; (3)&quot;, ...: nessun file viene mai sostituito. Una
foto che non riesce viene indicata su una riga e le altre proseguono; su
un terminale una riga di avanzamento mostra le foto completate, le foto al
secondo e il tempo rimanente.</translation>
    </message>
    <message>
        <source>Options:</source>
        <extracomment>The heading of the options&apos; list.</extracomment>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>sketch style 1 to 7 (default 1); 0 writes the prepared
photo; all (with --out-dir) writes styles 1 to 7 from
one decode</source>
        <extracomment>Help of --style N. Lines of at most 60 characters; keep &quot;all&quot; and --out-dir.</extracomment>
        <translation>stile dello schizzo da 1 a 7 (predefinito 1); 0 scrive la
foto preparata; all (con --out-dir) scrive gli stili
da 1 a 7 con una sola decodifica</translation>
    </message>
    <message>
        <source>pencil texture picture, stretched to each photo&apos;s size
(default: the built-in sketch-brush texture)</source>
        <extracomment>Help of --texture FILE. Lines of at most 60 characters.</extracomment>
        <translation>immagine della texture a matita, adattata alle dimensioni di
ogni foto (predefinita: la texture integrata del pennello da
schizzo)</translation>
    </message>
    <message>
        <source>write the sketches into DIR (made when missing)</source>
        <extracomment>Help of --out-dir DIR. Lines of at most 60 characters; DIR as in the usage lines.</extracomment>
        <translation>scrive gli schizzi in DIR (creata se non esiste)</translation>
    </message>
    <message>
        <source>with --out-dir, write only the outputs whose names
(NAME.styleN.png, then &quot; (2)&quot; for a second photo of
that name) are not in DIR yet; a photo with every
output there is not read</source>
        <extracomment>Help of --skip-existing. Lines of at most 60 characters; keep --out-dir, DIR, and the output names &quot;NAME.styleN.png&quot; and &quot; (2)&quot;.</extracomment>
        <translation>con --out-dir, scrive solo i file i cui nomi
(NAME.styleN.png, poi &quot; (2)&quot; per una seconda foto con lo
stesso nome) non sono ancora in DIR; una foto con tutti i
file già presenti non viene letta</translation>
    </message>
    <message>
        <source>png (default) or jpg, with --out-dir</source>
        <extracomment>Help of --format F. Keep png, jpg and --out-dir: they are typed as they are.</extracomment>
        <translation>png (predefinito) o jpg, con --out-dir</translation>
    </message>
    <message>
        <source>write the preview stored in the Vorlane document
DOCUMENT to OUTPUT as PNG, scaled down to fit SIZE x SIZE
(1 to 1024; never scaled up); nothing else of the
document is read</source>
        <extracomment>Help of --thumbnail SIZE. Lines of at most 60 characters; DOCUMENT, OUTPUT and SIZE as in the usage lines.</extracomment>
        <translation>scrive l&apos;anteprima salvata nel documento Vorlane DOCUMENT in
OUTPUT come PNG, ridotta per stare in SIZE x SIZE (da 1
a 1024; mai ingrandita); nient&apos;altro del documento viene
letto</translation>
    </message>
    <message>
        <source>write the painting of the Vorlane document DOCUMENT as a
time-lapse video, H.264 (.mp4) or animated WebP (.webp),
30 frames a second: the sketch, the strokes in effect at
their painted pace (pauses over 1 s shortened), the
finished painting held for the last second</source>
        <extracomment>Help of --timelapse OUT. Lines of at most 60 characters; DOCUMENT as in the usage lines.</extracomment>
        <translation>scrive il dipinto del documento Vorlane DOCUMENT come video
time-lapse, H.264 (.mp4) o WebP animato (.webp), a 30
fotogrammi al secondo: lo schizzo, i tratti non annullati al
ritmo con cui sono stati dipinti (pause oltre 1 s
accorciate), il dipinto finito mostrato per l&apos;ultimo secondo</translation>
    </message>
    <message>
        <source>the time-lapse&apos;s length, 3 to 120 seconds (default 10)</source>
        <extracomment>Help of --duration S. Lines of at most 60 characters.</extracomment>
        <translation>durata del time-lapse, da 3 a 120 secondi (predefinita 10)</translation>
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
        <translation>working (predefinito): la dimensione di lavoro descritta
sopra; full: la dimensione originale della foto raddrizzata
(una foto di oltre 64 MP, 8192 x 8192 pixel, viene ridotta
per rientrarvi); N: il lato lungo in pixel, da 256 a 8192 e
non oltre quello della foto. Un&apos;elaborazione più grande
appare come quella alla dimensione di lavoro, ma con i
dettagli più fini della foto; un documento viene elaborato
con i suoi tratti a quella dimensione. Con --timelapse: il
lato lungo del video, da 16 in su (predefinito 1080; non
oltre quello della foto)</translation>
    </message>
    <message>
        <source>photos rendered at once (default: the number of cores, %1)</source>
        <extracomment>Help of --jobs N. %1 is the number of processor cores of this machine.</extracomment>
        <translation>foto elaborate insieme (predefinito: il numero di core, %1)</translation>
    </message>
    <message>
        <source>the memory the photos rendered at once may take together,
in megabytes (default: three quarters of the memory free
at the start); a photo that alone needs more still runs,
by itself</source>
        <extracomment>Help of --memory MB. Lines of at most 60 characters.</extracomment>
        <translation>la memoria che le foto elaborate insieme possono occupare in
totale, in megabyte (predefinito: tre quarti della memoria
libera all&apos;avvio); una foto che da sola richiede di più
viene comunque elaborata, da sola</translation>
    </message>
    <message>
        <source>JPEG quality 0 to 100 (default %1); for PNG the
compression effort 0 to 100 (default %2, the fastest;
100 gives the smallest file)</source>
        <extracomment>Help of --quality Q. Lines of at most 60 characters. %1 is the JPEG quality and %2 the PNG compression effort used when the option is not given.</extracomment>
        <translation>qualità JPEG da 0 a 100 (predefinita %1); per PNG lo sforzo
di compressione da 0 a 100 (predefinito %2, il più rapido;
100 dà il file più piccolo)</translation>
    </message>
    <message>
        <source>show this text</source>
        <extracomment>Help of -h, --help.</extracomment>
        <translation>mostra questo testo</translation>
    </message>
    <message>
        <source>show the version and the licence</source>
        <extracomment>Help of -v, --version.</extracomment>
        <translation>mostra la versione e la licenza</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 a file cannot be read or written (some photos
failed), 2 usage error.</source>
        <extracomment>Lines of at most 78 characters.</extracomment>
        <translation>Stato di uscita: 0 completato, 1 un file non può essere letto o
scritto (alcune foto non sono riuscite), 2 errore di utilizzo.</translation>
    </message>
    <message>
        <source>%1 needs a value, not &quot;-&quot;</source>
        <extracomment>%1 is an option, e.g. --out-dir, given &quot;-&quot; where its value should be.</extracomment>
        <translation>%1 richiede un valore, non &quot;-&quot;</translation>
    </message>
    <message>
        <source>%1 needs a value, not the option &quot;%2&quot;</source>
        <extracomment>%1 is an option, e.g. --out-dir; %2 the option that came where its value should be.</extracomment>
        <translation>%1 richiede un valore, non l&apos;opzione &quot;%2&quot;</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <extracomment>%1 is the option as typed, e.g. --colour.</extracomment>
        <translation>opzione sconosciuta &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 takes one DOCUMENT and one OUTPUT</source>
        <extracomment>%1 is the option --thumbnail. DOCUMENT and OUTPUT are as in the usage lines of --help.</extracomment>
        <translation>%1 richiede un DOCUMENT e un OUTPUT</translation>
    </message>
    <message>
        <source>%1 must be working, full or a longer side from %2 to %3 pixels (%3 x %3 is the 64 MP limit), not &quot;%4&quot;</source>
        <extracomment>%1 is the option --size; &quot;working&quot; and &quot;full&quot; are values it takes: keep them as they are.</extracomment>
        <translation>%1 deve essere working, full o un lato lungo da %2 a %3 pixel (limite 64 MP: %3 x %3), non &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <extracomment>%1 is the option --out-dir, given an empty value.</extracomment>
        <translation>%1 richiede una cartella</translation>
    </message>
    <message>
        <source>%1 writes seven files: it needs %2</source>
        <extracomment>%1 is &quot;--style all&quot;, %2 the option --out-dir.</extracomment>
        <translation>%1 scrive sette file: richiede %2</translation>
    </message>
    <message>
        <source>the style must be a number from 0 to 7 or all, not &quot;%1&quot;</source>
        <extracomment>&quot;all&quot; is a value --style takes with --out-dir: keep it as it is. %1 is what was given.</extracomment>
        <translation>lo stile deve essere un numero da 0 a 7 o all, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the style must be a number from 0 to 7, not &quot;%1&quot;</source>
        <extracomment>%1 is what was given for --style.</extracomment>
        <translation>lo stile deve essere un numero da 0 a 7, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <extracomment>%1 is the option --texture, given an empty value.</extracomment>
        <translation>%1 richiede un file</translation>
    </message>
    <message>
        <source>%1 must be a number of megabytes from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the option --memory; %2 to %3 the megabytes it takes; %4 what was given.</extracomment>
        <translation>%1 deve essere un numero di megabyte da %2 a %3, non &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1 must be png or jpg, not &quot;%2&quot;</source>
        <extracomment>%1 is the option --format; &quot;png&quot; and &quot;jpg&quot; are the values it takes: keep them. %2 is what was given.</extracomment>
        <translation>%1 deve essere png o jpg, non &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no INPUT given</source>
        <extracomment>INPUT is as in the usage lines of --help.</extracomment>
        <translation>nessun INPUT indicato</translation>
    </message>
    <message>
        <source>%1 goes with %2; OUTPUT&apos;s extension gives the format</source>
        <extracomment>%1 is the option --format, %2 the option --out-dir; OUTPUT is as in the usage lines of --help.</extracomment>
        <translation>%1 richiede %2; il formato dipende dall&apos;estensione di OUTPUT</translation>
    </message>
    <message>
        <source>INPUT and OUTPUT are needed</source>
        <extracomment>INPUT and OUTPUT are as in the usage lines of --help.</extracomment>
        <translation>servono INPUT e OUTPUT</translation>
    </message>
    <message>
        <source>only one INPUT and one OUTPUT are taken (%1 takes many)</source>
        <extracomment>INPUT and OUTPUT are as in the usage lines of --help; %1 is the option --out-dir.</extracomment>
        <translation>ammessi solo un INPUT e un OUTPUT (%1 ne accetta molti)</translation>
    </message>
    <message>
        <source>OUTPUT must end in .png, .jpg or .jpeg: &quot;%1&quot;</source>
        <extracomment>OUTPUT is as in the usage lines of --help; %1 is the name given for it.</extracomment>
        <translation>OUTPUT deve terminare in .png, .jpg o .jpeg: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>OUTPUT is the same file as INPUT</source>
        <extracomment>OUTPUT and INPUT are as in the usage lines of --help.</extracomment>
        <translation>OUTPUT è lo stesso file di INPUT</translation>
    </message>
    <message>
        <source>OUTPUT is the same file as the texture</source>
        <extracomment>OUTPUT is as in the usage lines of --help; the texture is the picture --texture names.</extracomment>
        <translation>OUTPUT è lo stesso file della texture</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Said of OUTPUT when it names a folder, a device or the like.</extracomment>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>%1 writes a .mp4 or .webp file, not &quot;%2&quot;</source>
        <extracomment>%1 is the option --timelapse; %2 the file name given to it.</extracomment>
        <translation>%1 scrive un file .mp4 o .webp, non &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 must be a number of seconds from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the option --duration; %2 to %3 the seconds it takes; %4 what was given.</extracomment>
        <translation>%1 deve essere un numero di secondi da %2 a %3, non &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1 takes one PAINTING</source>
        <extracomment>%1 is the option --timelapse; PAINTING is the Vorlane document it is made from.</extracomment>
        <translation>%1 richiede un solo PAINTING</translation>
    </message>
    <message>
        <source>time-lapse %1%</source>
        <extracomment>Progress while the video is written: %1 is how much is done, in percent.</extracomment>
        <translation>time-lapse %1%</translation>
    </message>
</context>
</TS>
