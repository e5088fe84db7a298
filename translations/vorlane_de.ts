<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Localizable</name>
    <message>
        <source>You can give your photos a dramatic effect by converting them to sketch(from PhotoB), while keeping the region and details that you choose in color(from PhotoA).
1. Use your finger as a brush to &apos;paint&apos; area of the sketch image, or to bring back the original color.
2. Move photo by two-finger move.
3. Zooming in and out by two-finger pinching.</source>
        <comment>HelpText</comment>
        <translation>Verleihen Sie Ihren Fotos eine dramatische Wirkung: Verwandeln Sie sie in eine Skizze (aus PhotoB) und behalten Sie die Bereiche und Details, die Sie wählen, in Farbe (aus PhotoA).
1. Ihr Finger ist der Pinsel: Malen Sie Bereiche der Skizze oder holen Sie die Originalfarbe zurück.
2. Verschieben Sie das Foto mit zwei Fingern.
3. Zoomen Sie, indem Sie zwei Finger auseinander- oder zusammenziehen.</translation>
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
        <translation>Vorlane verwandelt Ihr Foto in eine Bleistiftskizze und lässt Sie die Farben des Fotos zurückmalen, wo immer Sie möchten.

Malen: Ziehen Sie mit der linken Maustaste über das Bild. Mit „Farbe malen“ (A) scheint die Farbe durch, mit „Skizze zurückholen“ (B) kehrt die Skizze zurück.
Pinselgröße: der Schieberegler in der Werkzeugleiste oder die Tasten [ und ]. Der Kreis unter dem Mauszeiger zeigt den Pinsel.
Zoomen: Mausrad oder Zusammen- und Auseinanderziehen auf dem Touchpad zoomen um den Mauszeiger; Ctrl++ und Ctrl+- vergrößern und verkleinern, Ctrl+0 passt das Bild ins Fenster ein, Ctrl+1 zeigt es in Originalgröße.
Bild verschieben: Ziehen Sie mit der rechten oder mittleren Maustaste.
Vergleichen: Halten Sie die Backslash-Taste (\) gedrückt, um nur die Farbebene zu sehen.
Mit Ctrl+Z machen Sie ganze Striche rückgängig, mit Ctrl+Shift+Z wiederholen Sie sie.
Im Bereich „Stile“ legt „Skizzenstil“ fest, wie die Skizze aussieht, und „Farbebene“, was „Farbe malen“ zurückbringt: das Foto selbst oder das Foto in einem Stil.
Kopieren Sie das Bild mit Ctrl+C, speichern Sie das Gemälde mit Ctrl+S.</translation>
    </message>
    <message>
        <source>Get it</source>
        <comment>Get it</comment>
        <translation>Laden</translation>
    </message>
    <message>
        <source>More</source>
        <comment>More</comment>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Next time</source>
        <comment>Next time</comment>
        <translation>Später</translation>
    </message>
    <message>
        <source>Photo</source>
        <comment>StyleName0</comment>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Pencil</source>
        <comment>StyleName1</comment>
        <translation>Bleistift</translation>
    </message>
    <message>
        <source>Sharp Pencil</source>
        <comment>StyleName2</comment>
        <translation>Spitzer Bleistift</translation>
    </message>
    <message>
        <source>Outline</source>
        <comment>StyleName3</comment>
        <translation>Kontur</translation>
    </message>
    <message>
        <source>Chalk</source>
        <comment>StyleName4</comment>
        <translation>Kreide</translation>
    </message>
    <message>
        <source>Relief</source>
        <comment>StyleName5</comment>
        <translation>Relief</translation>
    </message>
    <message>
        <source>Emboss</source>
        <comment>StyleName6</comment>
        <translation>Hochprägung</translation>
    </message>
    <message>
        <source>Deboss</source>
        <comment>StyleName7</comment>
        <translation>Tiefprägung</translation>
    </message>
</context>
<context>
    <name>canvas::CanvasCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last stroke</source>
        <translation>Den letzten Strich rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Redo the stroke undone last</source>
        <translation>Den zuletzt rückgängig gemachten Strich wiederholen</translation>
    </message>
    <message>
        <source>&amp;Paint Colour</source>
        <translation>&amp;Farbe malen</translation>
    </message>
    <message>
        <source>Paint the colour back over the sketch (A)</source>
        <translation>Die Farbe über die Skizze zurückmalen (A)</translation>
    </message>
    <message>
        <source>&amp;Restore Sketch</source>
        <translation>&amp;Skizze zurückholen</translation>
    </message>
    <message>
        <source>Bring the sketch back (B)</source>
        <translation>Die Skizze zurückholen (B)</translation>
    </message>
    <message>
        <source>&amp;Bigger Brush</source>
        <translation>Pinsel &amp;vergrößern</translation>
    </message>
    <message>
        <source>Make the brush larger</source>
        <translation>Den Pinsel größer machen</translation>
    </message>
    <message>
        <source>&amp;Smaller Brush</source>
        <translation>Pinsel ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Make the brush smaller</source>
        <translation>Den Pinsel kleiner machen</translation>
    </message>
</context>
<context>
    <name>canvas::VorlaneView</name>
    <message>
        <source>Brush Size：</source>
        <extracomment>Ends in a full-width colon (U+FF1A), as the label was first drawn.</extracomment>
        <translation>Pinselgröße：</translation>
    </message>
</context>
<context>
    <name>desktop::DesktopWindow</name>
    <message>
        <source>&lt;p style=&apos;font-size:x-large&apos;&gt;Open a photo to begin.&lt;/p&gt;&lt;p&gt;File &amp;rsaquo; Open&amp;hellip; (Ctrl+O), or drop a photo here.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:x-large&apos;&gt;Öffnen Sie ein Foto, um zu beginnen.&lt;/p&gt;&lt;p&gt;Datei &amp;rsaquo; Öffnen&amp;hellip; (Ctrl+O) oder ziehen Sie ein Foto hierher.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>Kein Foto</translation>
    </message>
    <message>
        <source>%1  %2 × %3 px</source>
        <extracomment>The status bar&apos;s photo: %1 its name, %2 x %3 its size in pixels.</extracomment>
        <translation>%1  %2 × %3 px</translation>
    </message>
    <message>
        <source>Brush %1 px</source>
        <translation>Pinsel %1 px</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>%1 is the saved file&apos;s path.</extracomment>
        <translation>Gespeichert: %1</translation>
    </message>
    <message>
        <source>Save changes to the painting before quitting?</source>
        <translation>Änderungen am Gemälde vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>Save changes to the painting before opening the dropped picture?</source>
        <translation>Änderungen am Gemälde speichern, bevor das abgelegte Bild geöffnet wird?</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open a photo from a file</source>
        <translation>Ein Foto aus einer Datei öffnen</translation>
    </message>
    <message>
        <source>&amp;Take Photo...</source>
        <translation>Foto &amp;aufnehmen...</translation>
    </message>
    <message>
        <source>Take a photo with the camera</source>
        <translation>Ein Foto mit der Kamera aufnehmen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the painting as a Vorlane document</source>
        <translation>Das Gemälde als Vorlane-Dokument speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the painting as a Vorlane document of another name</source>
        <translation>Das Gemälde unter einem anderen Namen als Vorlane-Dokument speichern</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>Write the picture as a PNG or JPEG file</source>
        <translation>Das Bild als PNG- oder JPEG-Datei exportieren</translation>
    </message>
    <message>
        <source>Export A&amp;gain</source>
        <translation>&amp;Erneut exportieren</translation>
    </message>
    <message>
        <source>Write the picture to the file exported last</source>
        <translation>Das Bild in die zuletzt exportierte Datei schreiben</translation>
    </message>
    <message>
        <source>Export Time-&amp;lapse...</source>
        <translation>Zeit&amp;raffer exportieren...</translation>
    </message>
    <message>
        <source>Write a short film of the painting being made (MP4 or animated WebP)</source>
        <translation>Einen kurzen Film von der Entstehung des Gemäldes erstellen (MP4 oder animiertes WebP)</translation>
    </message>
    <message>
        <source>Save to &amp;Pictures</source>
        <translation>In „Bil&amp;der“ speichern</translation>
    </message>
    <message>
        <source>Save the picture to the Vorlane folder in Pictures</source>
        <translation>Das Bild im Vorlane-Ordner unter „Bilder“ speichern</translation>
    </message>
    <message>
        <source>Share by &amp;Mail...</source>
        <translation>Per E-&amp;Mail teilen...</translation>
    </message>
    <message>
        <source>Attach the picture to a new mail</source>
        <translation>Das Bild an eine neue E-Mail anhängen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit Vorlane</source>
        <translation>Vorlane beenden</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Show the picture larger</source>
        <translation>Das Bild größer anzeigen</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Show the picture smaller</source>
        <translation>Das Bild kleiner anzeigen</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>&amp;Einpassen</translation>
    </message>
    <message>
        <source>Show the whole picture as large as the window allows</source>
        <translation>Das ganze Bild so groß anzeigen, wie das Fenster es zulässt</translation>
    </message>
    <message>
        <source>&amp;Actual Pixels</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>Show one picture pixel per screen pixel</source>
        <translation>Ein Bildpixel pro Bildschirmpixel anzeigen</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>Show the colour layer alone (or hold the \ key)</source>
        <translation>Nur die Farbebene anzeigen (oder die Taste \ gedrückt halten)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the picture to the clipboard</source>
        <translation>Das Bild in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Pe&amp;n Pressure</source>
        <translation>Stift&amp;druck</translation>
    </message>
    <message>
        <source>A pen tablet&apos;s pressure sets the brush width, from a quarter to all of it</source>
        <translation>Der Druck auf dem Grafiktablett bestimmt die Pinselbreite, von einem Viertel bis zur vollen Breite</translation>
    </message>
    <message>
        <source>Vorlane &amp;Help</source>
        <translation>Vorlane-&amp;Hilfe</translation>
    </message>
    <message>
        <source>How to paint, zoom and move the picture</source>
        <translation>Wie Sie malen, zoomen und das Bild verschieben</translation>
    </message>
    <message>
        <source>&amp;About Vorlane</source>
        <translation>&amp;Über Vorlane</translation>
    </message>
    <message>
        <source>Version, licence and credits</source>
        <translation>Version, Lizenz und Mitwirkende</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Styles Panel</source>
        <translation>&amp;Stilbereich</translation>
    </message>
    <message>
        <source>Show or hide the list of styles</source>
        <translation>Die Liste der Stile ein- oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Brush</source>
        <translation>&amp;Pinsel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source> Brush size </source>
        <translation> Pinselgröße </translation>
    </message>
    <message>
        <source>Brush size ([ and ])</source>
        <translation>Pinselgröße ([ und ])</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Hold to show the colour layer alone</source>
        <translation>Gedrückt halten, um nur die Farbebene anzuzeigen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo Stroke</source>
        <translation>Strich &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Undo Style Change</source>
        <translation>Stiländerung &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Redo Stroke</source>
        <translation>Strich &amp;wiederholen</translation>
    </message>
    <message>
        <source>&amp;Redo Style Change</source>
        <translation>Stiländerung &amp;wiederholen</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>The toolbar&apos;s short word for Edit &gt; Undo.</extracomment>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>The toolbar&apos;s short word for Edit &gt; Redo.</extracomment>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Undo the style change</source>
        <translation>Die Stiländerung rückgängig machen</translation>
    </message>
    <message>
        <source>Undo the last stroke</source>
        <translation>Den letzten Strich rückgängig machen</translation>
    </message>
    <message>
        <source>Redo the style change</source>
        <translation>Die Stiländerung wiederholen</translation>
    </message>
    <message>
        <source>Redo the stroke undone last</source>
        <translation>Den zuletzt rückgängig gemachten Strich wiederholen</translation>
    </message>
    <message>
        <source>About Vorlane</source>
        <translation>Über Vorlane</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Vorlane %1&lt;/h3&gt;&lt;p&gt;Turns a photo into a pencil sketch and lets you paint the colour back.&lt;/p&gt;&lt;p&gt;Vorlane is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version.&lt;/p&gt;&lt;p&gt;Sample photo: astronaut Eileen Collins, NASA (public domain).&lt;/p&gt;</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>&lt;h3&gt;Vorlane %1&lt;/h3&gt;&lt;p&gt;Verwandelt ein Foto in eine Bleistiftskizze und lässt Sie die Farbe zurückmalen.&lt;/p&gt;&lt;p&gt;Vorlane ist freie Software: Sie können sie unter den Bedingungen der GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version, weitergeben und/oder verändern.&lt;/p&gt;&lt;p&gt;Beispielfoto: Astronautin Eileen Collins, NASA (gemeinfrei).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Save Painting</source>
        <translation>Gemälde speichern</translation>
    </message>
    <message>
        <source>Vorlane painting (*.vorlane)</source>
        <translation>Vorlane-Gemälde (*.vorlane)</translation>
    </message>
    <message>
        <source>Painting</source>
        <extracomment>The file name offered for a painting of no photo name.</extracomment>
        <translation>Gemälde</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>JPEG image (*.jpg *.jpeg)</source>
        <translation>JPEG-Bild (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>MP4-Video (*.mp4)</translation>
    </message>
    <message>
        <source>Animated WebP (*.webp)</source>
        <translation>Animiertes WebP (*.webp)</translation>
    </message>
    <message>
        <source>Export Time-lapse</source>
        <translation>Zeitraffer exportieren</translation>
    </message>
    <message>
        <source>%1 time-lapse</source>
        <extracomment>The file name offered for a time-lapse; %1 is the painting&apos;s name.</extracomment>
        <translation>%1 Zeitraffer</translation>
    </message>
    <message>
        <source>Exporting %1</source>
        <extracomment>%1 is the name of the file being written.</extracomment>
        <translation>%1 wird exportiert</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Export cancelled: nothing was written</source>
        <translation>Export abgebrochen: Es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>Recover Painting</source>
        <translation>Gemälde wiederherstellen</translation>
    </message>
    <message>
        <source>Recover the painting of %1 from %2?</source>
        <extracomment>%1 is the photo&apos;s name, %2 the date and time the painting was last changed.</extracomment>
        <translation>Das Gemälde zu %1 vom %2 wiederherstellen?</translation>
    </message>
    <message>
        <source>Vorlane ended without closing it. Discarded paintings cannot be brought back.</source>
        <translation>Vorlane wurde beendet, ohne es zu schließen. Verworfene Gemälde lassen sich nicht zurückholen.</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>If you don&apos;t save, your changes will be lost.</source>
        <translation>Wenn Sie nicht speichern, gehen Ihre Änderungen verloren.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Save changes to the painting before opening another photo?</source>
        <translation>Änderungen am Gemälde speichern, bevor ein anderes Foto geöffnet wird?</translation>
    </message>
    <message>
        <source>All supported (*.vorlane %1)</source>
        <translation>Alle unterstützten Dateien (*.vorlane %1)</translation>
    </message>
    <message>
        <source>Vorlane paintings (*.vorlane)</source>
        <translation>Vorlane-Gemälde (*.vorlane)</translation>
    </message>
    <message>
        <source>Open Photo</source>
        <translation>Foto öffnen</translation>
    </message>
    <message>
        <source>No Camera</source>
        <translation>Keine Kamera</translation>
    </message>
    <message>
        <source>No camera was found on this computer.</source>
        <translation>Auf diesem Computer wurde keine Kamera gefunden.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save changes to the painting before taking a photo?</source>
        <translation>Änderungen am Gemälde speichern, bevor ein Foto aufgenommen wird?</translation>
    </message>
    <message>
        <source>Save changes to the painting before opening %1?</source>
        <extracomment>%1 is the name of the file about to be opened.</extracomment>
        <translation>Änderungen am Gemälde speichern, bevor %1 geöffnet wird?</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Vorlane Help</source>
        <translation>Vorlane-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Rate Vorlane...</source>
        <translation>Vorlane &amp;bewerten...</translation>
    </message>
    <message>
        <source>Rate Vorlane in your software centre</source>
        <translation>Vorlane in Ihrem Software-Center bewerten</translation>
    </message>
    <message>
        <source>&amp;More Apps...</source>
        <translation>&amp;Weitere Apps...</translation>
    </message>
    <message>
        <source>Other free apps for pictures that you may like</source>
        <translation>Weitere kostenlose Apps für Bilder, die Ihnen gefallen könnten</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>Weitere Apps</translation>
    </message>
    <message>
        <source>No file manager could show the folder %1</source>
        <translation>Kein Dateimanager konnte den Ordner %1 anzeigen</translation>
    </message>
    <message>
        <source>Picture copied, %1 × %2 px</source>
        <extracomment>%1 x %2 is the picture&apos;s size in pixels.</extracomment>
        <translation>Bild kopiert, %1 × %2 px</translation>
    </message>
    <message>
        <source>No Mail Program</source>
        <translation>Kein E-Mail-Programm</translation>
    </message>
    <message>
        <source>No mail program took the picture. Save it to your Pictures folder and attach it to a mail yourself?</source>
        <translation>Kein E-Mail-Programm hat das Bild übernommen. Möchten Sie es in Ihrem Ordner „Bilder“ speichern und selbst an eine E-Mail anhängen?</translation>
    </message>
    <message>
        <source>Save to Pictures</source>
        <translation>In „Bilder“ speichern</translation>
    </message>
    <message>
        <source>No camera was found on this computer</source>
        <translation>Auf diesem Computer wurde keine Kamera gefunden</translation>
    </message>
    <message>
        <source>Scroll &amp;Bars</source>
        <translation>&amp;Bildlaufleisten</translation>
    </message>
    <message>
        <source>Show scroll bars when the picture is larger than the window</source>
        <translation>Bildlaufleisten anzeigen, wenn das Bild größer als das Fenster ist</translation>
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
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>&amp;Working size (%1)</source>
        <extracomment>%1 is a size in pixels, &quot;1280 × 960&quot;.</extracomment>
        <translation>&amp;Arbeitsgröße (%1)</translation>
    </message>
    <message>
        <source>The &amp;photo&apos;s own size (%1)</source>
        <translation>&amp;Volle Größe des Fotos (%1)</translation>
    </message>
    <message>
        <source>&amp;Longer side:</source>
        <translation>&amp;Längere Seite:</translation>
    </message>
    <message>
        <source>Higher keeps more detail in a larger file</source>
        <translation>Höher erhält mehr Details, ergibt aber eine größere Datei</translation>
    </message>
    <message>
        <source>JPEG &amp;quality:</source>
        <translation>JPEG-&amp;Qualität:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Writes %1 pixels as %2.</source>
        <extracomment>%1 is a size in pixels, &quot;1280 × 960&quot;; %2 the file type, PNG or JPEG.</extracomment>
        <translation>Speichert %1 Pixel als %2.</translation>
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
        <translation>Neu bei Vorlane? Die Hilfe zeigt, wie Sie malen, zoomen und das Bild verschieben.</translation>
    </message>
    <message>
        <source>Show Help</source>
        <translation>Hilfe anzeigen</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Rate It</source>
        <translation>Bewerten</translation>
    </message>
    <message>
        <source>More Apps…</source>
        <translation>Weitere Apps…</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>Enjoying Vorlane? Rate it in your software centre, or have a look at more free apps for your pictures.</source>
        <translation>Gefällt Ihnen Vorlane? Bewerten Sie es in Ihrem Software-Center oder entdecken Sie weitere kostenlose Apps für Ihre Bilder.</translation>
    </message>
    <message>
        <source>Enjoying Vorlane? A rating in your software centre helps others find it.</source>
        <translation>Gefällt Ihnen Vorlane? Eine Bewertung in Ihrem Software-Center hilft anderen, es zu finden.</translation>
    </message>
    <message>
        <source>Enjoying Vorlane? Have a look at more free apps for your pictures.</source>
        <translation>Gefällt Ihnen Vorlane? Entdecken Sie weitere kostenlose Apps für Ihre Bilder.</translation>
    </message>
</context>
<context>
    <name>desktop::StylePanel</name>
    <message>
        <source>Styles</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>&amp;Sketch style</source>
        <translation>&amp;Skizzenstil</translation>
    </message>
    <message>
        <source>How the sketch looks: the picture the painting starts from</source>
        <translation>Wie die Skizze aussieht: das Bild, von dem das Gemälde ausgeht</translation>
    </message>
    <message>
        <source>&amp;Colour layer</source>
        <translation>Farb&amp;ebene</translation>
    </message>
    <message>
        <source>What Paint Colour brings back: the photo itself, or the photo in a style</source>
        <translation>Was „Farbe malen“ zurückbringt: das Foto selbst oder das Foto in einem Stil</translation>
    </message>
</context>
<context>
    <name>desktop::TimelapseDialog</name>
    <message>
        <source>Export Time-lapse</source>
        <translation>Zeitraffer exportieren</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>The unit after the length in seconds.</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Length:</source>
        <translation>&amp;Länge:</translation>
    </message>
    <message>
        <source>Longer &amp;side:</source>
        <translation>Längere &amp;Seite:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Writes %1 pixels, %2 s at %3 frames a second, as H.264 video (MP4).</source>
        <extracomment>%1 is a size in pixels, &quot;1280 × 960&quot;; %2 the length in seconds; %3 the frame rate.</extracomment>
        <translation>Speichert %1 Pixel, %2 s mit %3 Bildern pro Sekunde, als H.264-Video (MP4).</translation>
    </message>
    <message>
        <source>Writes %1 pixels, %2 s at %3 frames a second, as animated WebP.</source>
        <translation>Speichert %1 Pixel, %2 s mit %3 Bildern pro Sekunde, als animiertes WebP.</translation>
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
        <translation>Zoom: Prozentwert eingeben und Eingabetaste drücken oder einen Wert wählen</translation>
    </message>
    <message>
        <source>Fit</source>
        <extracomment>The zoom box&apos;s choice that fits the picture to the window.</extracomment>
        <translation>Einpassen</translation>
    </message>
</context>
<context>
    <name>document</name>
    <message>
        <source>The dropped picture</source>
        <extracomment>A dropped picture without a file, first in &quot;The dropped picture could not be opened: ...&quot;.</extracomment>
        <translation>Das abgelegte Bild</translation>
    </message>
    <message>
        <source>the H.264 encoder cannot start (%1)</source>
        <extracomment>Why a time-lapse cannot be written; %1 is the video library&apos;s reason.</extracomment>
        <translation>der H.264-Encoder lässt sich nicht starten (%1)</translation>
    </message>
    <message>
        <source>an MP4 frame needs even sides</source>
        <translation>ein MP4-Einzelbild braucht gerade Seitenlängen</translation>
    </message>
    <message>
        <source>this system&apos;s libavcodec has no H.264 encoder</source>
        <translation>libavcodec auf diesem System hat keinen H.264-Encoder</translation>
    </message>
    <message>
        <source>libavformat has no MP4 muxer</source>
        <translation>libavformat hat keinen MP4-Muxer</translation>
    </message>
    <message>
        <source>the frames cannot be converted to yuv420p</source>
        <translation>die Einzelbilder lassen sich nicht in yuv420p umwandeln</translation>
    </message>
    <message>
        <source>a frame does not match the video</source>
        <translation>ein Einzelbild passt nicht zum Video</translation>
    </message>
    <message>
        <source>the video cannot be encoded (%1)</source>
        <extracomment>Why a time-lapse cannot be written; %1 is the video library&apos;s reason.</extracomment>
        <translation>das Video lässt sich nicht kodieren (%1)</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>a style cannot be rendered</source>
        <translation>ein Stil lässt sich nicht rendern</translation>
    </message>
    <message>
        <source>its photo does not match its painting</source>
        <extracomment>Why a painting cannot be opened or rendered: its stored photo is not the one it was painted on.</extracomment>
        <translation>das Foto passt nicht zum Gemälde</translation>
    </message>
    <message>
        <source>its photo cannot be decoded</source>
        <translation>das Foto lässt sich nicht dekodieren</translation>
    </message>
    <message>
        <source>not a Vorlane document</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot;.</extracomment>
        <translation>kein Vorlane-Dokument</translation>
    </message>
    <message>
        <source>made by a newer version of Vorlane</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot;.</extracomment>
        <translation>mit einer neueren Version von Vorlane erstellt</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot; (the file is damaged).</extracomment>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>too large</source>
        <extracomment>Why a painting cannot be opened or kept, after &quot;NAME could not be opened: &quot; (the painting is too large).</extracomment>
        <translation>zu groß</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <extracomment>Why a painting cannot be opened or saved, after &quot;NAME could not be opened: &quot; (the file is in use).</extracomment>
        <translation>wird von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot; (the file cannot be read).</extracomment>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>its photo does not match its checksum</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot;.</extracomment>
        <translation>das Foto stimmt nicht mit seiner Prüfsumme überein</translation>
    </message>
    <message>
        <source>does not exist</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot; (the file does not exist).</extracomment>
        <translation>existiert nicht</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the folder cannot be written to</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>in den Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the painting holds values no document can have</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>das Gemälde enthält Werte, die kein Dokument haben kann</translation>
    </message>
    <message>
        <source>the session is closed</source>
        <translation>die Sitzung ist geschlossen</translation>
    </message>
    <message>
        <source>the session has no file name</source>
        <translation>die Sitzung hat keinen Dateinamen</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <extracomment>Why a picture cannot be saved; %1 is the folder&apos;s path.</extracomment>
        <translation>der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>there is no picture</source>
        <translation>es gibt kein Bild</translation>
    </message>
    <message>
        <source>no free file name is left</source>
        <translation>es ist kein freier Dateiname mehr übrig</translation>
    </message>
    <message>
        <source>a picture can be saved as PNG (.png) or JPEG (.jpg) only</source>
        <translation>ein Bild kann nur als PNG (.png) oder JPEG (.jpg) gespeichert werden</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>es gibt bereits einen Ordner mit diesem Namen</translation>
    </message>
    <message>
        <source>the file %1 is read-only</source>
        <extracomment>Why a picture cannot be saved; %1 is the file&apos;s name.</extracomment>
        <translation>die Datei %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Hello!</source>
        <extracomment>The subject and the whole text of a mail the picture is shared by.</extracomment>
        <translation>Hallo!</translation>
    </message>
    <message>
        <source>the sketch texture is missing</source>
        <translation>die Skizzentextur fehlt</translation>
    </message>
    <message>
        <source>the sketch texture could not be scaled</source>
        <translation>die Skizzentextur konnte nicht skaliert werden</translation>
    </message>
    <message>
        <source>there is no photo</source>
        <translation>es gibt kein Foto</translation>
    </message>
    <message>
        <source>the photo raster could not be made</source>
        <translation>das Fotoraster konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>the result image could not be made</source>
        <translation>das Ergebnisbild konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>a time-lapse is written as .mp4 or .webp</source>
        <translation>ein Zeitraffer wird als .mp4 oder .webp gespeichert</translation>
    </message>
    <message>
        <source>a time-lapse lasts %1 to %2 seconds</source>
        <extracomment>%1 and %2 are the shortest and longest time-lapse in seconds.</extracomment>
        <translation>ein Zeitraffer dauert %1 bis %2 Sekunden</translation>
    </message>
    <message>
        <source>a time-lapse is at least %1 pixels on its longer side</source>
        <extracomment>%1 is the smallest longer side of a time-lapse, in pixels.</extracomment>
        <translation>ein Zeitraffer misst an der längeren Seite mindestens %1 Pixel</translation>
    </message>
    <message>
        <source>libwebp cannot start</source>
        <translation>libwebp lässt sich nicht starten</translation>
    </message>
    <message>
        <source>a frame does not match the animation</source>
        <translation>ein Einzelbild passt nicht zur Animation</translation>
    </message>
    <message>
        <source>the animation cannot be encoded (%1)</source>
        <extracomment>Why a time-lapse cannot be written; %1 is the WebP library&apos;s reason.</extracomment>
        <translation>die Animation lässt sich nicht kodieren (%1)</translation>
    </message>
    <message>
        <source>the animation cannot be encoded</source>
        <translation>die Animation lässt sich nicht kodieren</translation>
    </message>
</context>
<context>
    <name>document::SketchDocument</name>
    <message>
        <source>Images (%1)</source>
        <extracomment>The open dialog&apos;s filter; %1 is the list of file patterns (&quot;*.jpg *.png ...&quot;).</extracomment>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>Cannot Open Photo</source>
        <translation>Foto kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <extracomment>%1 is the name of the file or picture, %2 the reason (a clause in lower case).</extracomment>
        <translation>%1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>the file is not a picture</source>
        <translation>die Datei ist kein Bild</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>das Bild ist leer</translation>
    </message>
    <message>
        <source>the picture could not be rendered</source>
        <translation>das Bild konnte nicht gerendert werden</translation>
    </message>
    <message>
        <source>The camera picture</source>
        <extracomment>A picture from the camera, first in &quot;The camera picture could not be opened: ...&quot;.</extracomment>
        <translation>Das Kamerabild</translation>
    </message>
    <message>
        <source>Not Exported</source>
        <translation>Nicht exportiert</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason (a clause in lower case).</extracomment>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>Cannot Open Painting</source>
        <translation>Gemälde kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>it is open in Vorlane already</source>
        <translation>es ist bereits in Vorlane geöffnet</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>die Datei ist beschädigt</translation>
    </message>
    <message>
        <source>Painting Not Saved</source>
        <translation>Gemälde nicht gespeichert</translation>
    </message>
    <message>
        <source>The painting could not be saved as %1: %2.</source>
        <extracomment>%1 is the document&apos;s file name, %2 the reason (a clause in lower case).</extracomment>
        <translation>Das Gemälde konnte nicht als %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>No Picture</source>
        <translation>Kein Bild</translation>
    </message>
    <message>
        <source>Load a photo first.</source>
        <translation>Laden Sie zuerst ein Foto.</translation>
    </message>
    <message>
        <source>Image Saved!</source>
        <translation>Bild gespeichert!</translation>
    </message>
    <message>
        <source>The new image is saved to your album.</source>
        <translation>Das neue Bild wurde in Ihrem Album gespeichert.</translation>
    </message>
    <message>
        <source>The image could not be saved to your album: %1.</source>
        <extracomment>%1 is the reason (a clause in lower case).</extracomment>
        <translation>Das Bild konnte nicht in Ihrem Album gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>The image could not be saved as %1: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason (a clause in lower case).</extracomment>
        <translation>Das Bild konnte nicht als %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Image Not Saved</source>
        <translation>Bild nicht gespeichert</translation>
    </message>
    <message>
        <source>A picture made with Vorlane</source>
        <translation>Ein mit Vorlane erstelltes Bild</translation>
    </message>
    <message>
        <source>Cannot Share</source>
        <translation>Teilen nicht möglich</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Es konnte kein E-Mail-Programm gestartet werden.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>zu viele Ebenen symbolischer Verknüpfungen</translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation>der Dateiname ist zu lang</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <extracomment>Why a file cannot be opened; %1 is the system&apos;s reason.</extracomment>
        <translation>die Datei kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>kein Speicherplatz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>file too large</source>
        <extracomment>Why a file cannot be written: it has reached the largest size allowed.</extracomment>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <extracomment>Why a file cannot be written; %1 is the system&apos;s reason.</extracomment>
        <translation>die Datei kann nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete</source>
        <translation>die Datei ist beschädigt oder unvollständig</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>das Bild ist zu groß</translation>
    </message>
    <message>
        <source>memory ran out</source>
        <extracomment>Why a photo, a painting or a file could not be read, rendered or written.</extracomment>
        <translation>der Arbeitsspeicher reicht nicht aus</translation>
    </message>
    <message>
        <source>the picture is stored in a way that cannot be read</source>
        <translation>das Bild ist in einer nicht lesbaren Form gespeichert</translation>
    </message>
    <message>
        <source>the file is not a picture</source>
        <translation>die Datei ist kein Bild</translation>
    </message>
    <message>
        <source>the picture could not be scaled</source>
        <translation>das Bild konnte nicht skaliert werden</translation>
    </message>
    <message>
        <source>%1 pixels is larger than the photo (%2 x %3)</source>
        <extracomment>Why a picture cannot be exported at the longer side asked for: %1 is that side, %2 x %3 the photo&apos;s own size, in pixels.</extracomment>
        <translation>%1 Pixel sind größer als das Foto (%2 x %3)</translation>
    </message>
    <message>
        <source>there is no picture</source>
        <translation>es gibt kein Bild</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>it cannot be written (%1)</source>
        <extracomment>Why a file cannot be saved; %1 is the system&apos;s or a library&apos;s reason.</extracomment>
        <translation>das Schreiben ist nicht möglich (%1)</translation>
    </message>
</context>
<context>
    <name>platform::CameraCapture</name>
    <message>
        <source>Take Photo</source>
        <translation>Foto aufnehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>promo</name>
    <message>
        <source>How to</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rate?</source>
        <translation>Bewerten?</translation>
    </message>
    <message>
        <source>Could you give us a rate and some suggestions to improve this App?</source>
        <translation>Würden Sie diese App bewerten und uns sagen, was wir verbessern können?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
</context>
<context>
    <name>screen</name>
    <message>
        <source>No Camera!</source>
        <translation>Keine Kamera!</translation>
    </message>
    <message>
        <source>There is no Camera on this Device. You can load photo from your album.</source>
        <translation>Dieses Gerät hat keine Kamera. Sie können ein Foto aus Ihrem Album laden.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error accessing photo library</source>
        <translation>Fehler beim Zugriff auf die Fotomediathek</translation>
    </message>
    <message>
        <source>Device does not support a photo library</source>
        <translation>Das Gerät unterstützt keine Fotomediathek</translation>
    </message>
    <message>
        <source>Drat!</source>
        <translation>Schade!</translation>
    </message>
    <message>
        <source>Error accessing photo library!</source>
        <translation>Fehler beim Zugriff auf die Fotomediathek!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>screen::MainViewController</name>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>vorlane</name>
    <message>
        <source>Turns a photo into a pencil sketch and lets you paint the colour back.</source>
        <translation>Macht ein Foto zur Bleistiftskizze, in die Sie die Farbe zurückmalen.</translation>
    </message>
    <message>
        <source>Layout: desktop (a resizable window with menus), phone (320 points wide) or tablet (768 x 1024). Default: phone on a portrait touch screen narrower than 600 pixels, desktop elsewhere.</source>
        <extracomment>Help of --profile. desktop, phone and tablet are the values it takes: keep them as they are.</extracomment>
        <translation>Layout: desktop (Fenster mit Menüs, beliebig groß), phone (320 Punkte breit) oder tablet (768 x 1024). Standard: phone auf Hochformat-Touchscreens unter 600 px Breite, sonst desktop.</translation>
    </message>
    <message>
        <source>The phone layout&apos;s height (implies --profile phone).</source>
        <extracomment>Help of --screen-height. Keep &quot;--profile phone&quot; as it is: it is typed so.</extracomment>
        <translation>Höhe des Layouts phone (schließt --profile phone ein).</translation>
    </message>
    <message>
        <source>Enlarge the whole window by this factor, 0.25 to 8 (as QT_SCALE_FACTOR).</source>
        <extracomment>Help of --scale. QT_SCALE_FACTOR is an environment variable&apos;s name: keep it.</extracomment>
        <translation>Vergrößert das Fenster um den Faktor 0.25 bis 8 (wie QT_SCALE_FACTOR).</translation>
    </message>
    <message>
        <source>A photo to open.</source>
        <extracomment>Help of the PHOTO argument.</extracomment>
        <translation>Ein zu öffnendes Foto.</translation>
    </message>
    <message>
        <source>%1 takes desktop, phone or tablet, not %2</source>
        <extracomment>%1 is the option --profile; desktop, phone and tablet are the values it takes: keep them. %2 is what was given.</extracomment>
        <translation>%1 erwartet desktop, phone oder tablet, nicht %2</translation>
    </message>
    <message>
        <source>%1 takes 480 or 568, not %2</source>
        <extracomment>%1 is the option --screen-height; %2 what was given.</extracomment>
        <translation>%1 erwartet 480 oder 568, nicht %2</translation>
    </message>
    <message>
        <source>%1 takes a factor from 0.25 to 8, not %2</source>
        <extracomment>%1 is the option --scale; %2 what was given.</extracomment>
        <translation>%1 erwartet einen Faktor von 0.25 bis 8, nicht %2</translation>
    </message>
    <message>
        <source>only one photo can be opened</source>
        <translation>es kann nur ein Foto geöffnet werden</translation>
    </message>
    <message>
        <source>%1 applies to the phone profile only</source>
        <extracomment>%1 is the option --screen-height.</extracomment>
        <translation>%1 gilt nur für das Profil phone</translation>
    </message>
    <message>
        <source>Try &apos;vorlane --help&apos;.</source>
        <extracomment>Keep the command &quot;vorlane --help&quot; as it is.</extracomment>
        <translation>Weitere Informationen mit „vorlane --help“.</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Vorlane developers.
License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <extracomment>The lines --version prints after the program&apos;s name and version. Keep the licence&apos;s name (GPL-3.0-or-later) and the address as they are.</extracomment>
        <translation>Copyright (C) 2026 Vorlane developers.
Lizenz GPL-3.0-or-later: GNU GPL ab Version 3 &lt;https://gnu.org/licenses/gpl.html&gt;.
Dies ist freie Software: Sie dürfen sie ändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.
</translation>
    </message>
</context>
<context>
    <name>vorlane-sketch</name>
    <message>
        <source>the folder cannot be read</source>
        <translation>der Ordner kann nicht gelesen werden</translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos</source>
        <extracomment>Progress of a batch: %1 photos done of %n.</extracomment>
        <translation>
            <numerusform>%1/%n Foto</numerusform>
            <numerusform>%1/%n Fotos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos, %2 photos/s</source>
        <extracomment>Progress of a batch: %1 photos done of %n, at %2 photos a second.</extracomment>
        <translation>
            <numerusform>%1/%n Foto, %2 Fotos/s</numerusform>
            <numerusform>%1/%n Fotos, %2 Fotos/s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos, %2 photos/s, %3 min %4 s left</source>
        <extracomment>Progress of a batch: %1 photos done of %n, at %2 photos a second, %3 minutes and %4 seconds left.</extracomment>
        <translation>
            <numerusform>%1/%n Foto, %2 Fotos/s, noch %3 min %4 s</numerusform>
            <numerusform>%1/%n Fotos, %2 Fotos/s, noch %3 min %4 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos, %2 photos/s, %3 s left</source>
        <extracomment>Progress of a batch: %1 photos done of %n, at %2 photos a second, %3 seconds left.</extracomment>
        <translation>
            <numerusform>%1/%n Foto, %2 Fotos/s, noch %3 s</numerusform>
            <numerusform>%1/%n Fotos, %2 Fotos/s, noch %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n photos failed</source>
        <extracomment>The batch&apos;s closing count: %1 of its %n photos failed.</extracomment>
        <translation>
            <numerusform>%1 von %n Foto fehlgeschlagen</numerusform>
            <numerusform>%1 von %n Fotos fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n photos already done, skipped</source>
        <extracomment>The batch&apos;s closing count: %1 of its %n photos were left out, their outputs there from an earlier run.</extracomment>
        <translation>
            <numerusform>%1 von %n Foto schon erledigt, übersprungen</numerusform>
            <numerusform>%1 von %n Fotos schon erledigt, übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>the picture cannot be encoded (%1)</source>
        <extracomment>%1 is the image encoder&apos;s reason.</extracomment>
        <translation>das Bild lässt sich nicht kodieren (%1)</translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <extracomment>%1 is the system&apos;s reason, e.g. &quot;No space left on device&quot;.</extracomment>
        <translation>die Datei kann nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>the file cannot be written (every numbered name is taken)</source>
        <extracomment>The batch names its outputs &quot;NAME.styleN.png&quot;, then &quot;NAME.styleN (2).png&quot;, and so on.</extracomment>
        <translation>nicht schreibbar: alle nummerierten Namen sind vergeben</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A failure line (after the program&apos;s name): %1 is a file&apos;s path, %2 what went wrong with that file, e.g. &quot;the file does not exist&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no texture was given</source>
        <translation>es wurde keine Textur angegeben</translation>
    </message>
    <message>
        <source>the texture cannot be made the photo&apos;s size</source>
        <translation>die Textur lässt sich nicht auf die Größe des Fotos bringen</translation>
    </message>
    <message>
        <source>names no sketch-brush texture</source>
        <extracomment>Said of the program&apos;s own list of data files.</extracomment>
        <translation>nennt keine Skizzenpinsel-Textur</translation>
    </message>
    <message>
        <source>names the texture &quot;%1&quot;, which is missing</source>
        <extracomment>Said of the program&apos;s own list of data files; %1 is a picture&apos;s name.</extracomment>
        <translation>nennt die Textur „%1“, die fehlt</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the folder cannot be written (%1)</source>
        <extracomment>%1 is the system&apos;s reason, e.g. &quot;Permission denied&quot;.</extracomment>
        <translation>in den Ordner kann nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>no photos among the inputs (a folder&apos;s pictures are taken by their extension)</source>
        <translation>keine Fotos in den Eingaben (Bilder in Ordnern werden an der Endung erkannt)</translation>
    </message>
    <message>
        <source>holds no preview</source>
        <extracomment>Said of a Vorlane document, whose preview picture --thumbnail writes.</extracomment>
        <translation>enthält keine Vorschau</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <extracomment>%1 is the system&apos;s or the image encoder&apos;s reason.</extracomment>
        <translation>kann nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is an option, e.g. --jobs; %2 to %3 the numbers it takes; %4 what was given.</extracomment>
        <translation>%1 muss eine Zahl von %2 bis %3 sein, nicht „%4“</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <extracomment>%1 and %2 are options, e.g. --skip-existing and --out-dir: the first is taken only with the second.</extracomment>
        <translation>%1 ist nur mit %2 möglich</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <extracomment>%1 and %2 are options, e.g. --thumbnail and --style: the first is never taken with the second.</extracomment>
        <translation>%1 lässt sich nicht mit %2 kombinieren</translation>
    </message>
    <message>
        <source>Try &apos;vorlane-sketch --help&apos;.</source>
        <extracomment>Keep the command &quot;vorlane-sketch --help&quot; as it is.</extracomment>
        <translation>Weitere Informationen mit „vorlane-sketch --help“.</translation>
    </message>
    <message>
        <source>Usage: vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT
  or:  vorlane-sketch --out-dir DIR [--style N|all] [OPTION]... INPUT...
  or:  vorlane-sketch --thumbnail SIZE DOCUMENT OUTPUT
  or:  vorlane-sketch --timelapse OUT.mp4|OUT.webp [--duration S] [--size N]
         DOCUMENT</source>
        <extracomment>The command&apos;s forms. Translate &quot;Usage:&quot; and &quot;or:&quot; only; keep the program&apos;s name, the options and the upper-case words (the files and values the command takes) as they are.</extracomment>
        <translation>Aufruf: vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT
  oder: vorlane-sketch --out-dir DIR [--style N|all] [OPTION]... INPUT...
  oder: vorlane-sketch --thumbnail SIZE DOCUMENT OUTPUT
  oder: vorlane-sketch --timelapse OUT.mp4|OUT.webp [--duration S]
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
        <translation>Wandelt Fotos in Bleistiftskizzen um. Jedes Foto wird anhand seiner
Ausrichtungsangabe aufgerichtet und auf seine Arbeitsgröße gebracht: Ein
Querformatfoto, das breiter als 1280 Pixel ist, wird auf 1280 Pixel Breite
skaliert (aus 2560 x 1600 wird 1280 x 800); ein Hochformat- oder
quadratisches Foto, das höher als 1280 Pixel ist, wird auf die größte
Breite skaliert, die ein Vielfaches von 256 Pixeln ist und die Höhe bei
höchstens 1280 hält (aus 1200 x 1600 wird 768 x 1024); kleinere Fotos
behalten ihre Größe.</translation>
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
        <translation>Die erste Form rendert INPUT und schreibt OUTPUT als PNG oder JPEG, je
nach Endung (.png, .jpg, .jpeg).
Mit --out-dir ist jedes INPUT ein Foto oder ein Ordner, dessen Bilder
verarbeitet werden (eine Ebene tief, nach Endung), und jedes Foto wird als
NAME.styleN.png (oder .jpg) nach DIR geschrieben. Ein bereits vergebener
Name erhält &quot; (2)&quot;, &quot; (3)&quot;, ...: Es wird nie eine Datei ersetzt. Ein Foto,
das fehlschlägt, wird in einer Zeile genannt, und die übrigen werden
weiter verarbeitet; in einem Terminal zeigt eine Fortschrittszeile die
fertigen Fotos, die Fotos pro Sekunde und die verbleibende Zeit.</translation>
    </message>
    <message>
        <source>Options:</source>
        <extracomment>The heading of the options&apos; list.</extracomment>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>sketch style 1 to 7 (default 1); 0 writes the prepared
photo; all (with --out-dir) writes styles 1 to 7 from
one decode</source>
        <extracomment>Help of --style N. Lines of at most 60 characters; keep &quot;all&quot; and --out-dir.</extracomment>
        <translation>Skizzenstil 1 bis 7 (Standard 1); 0 schreibt das
vorbereitete Foto; all (mit --out-dir) schreibt die
Stile 1 bis 7 aus einer einzigen Dekodierung</translation>
    </message>
    <message>
        <source>pencil texture picture, stretched to each photo&apos;s size
(default: the built-in sketch-brush texture)</source>
        <extracomment>Help of --texture FILE. Lines of at most 60 characters.</extracomment>
        <translation>Bild der Bleistifttextur, auf die Größe jedes Fotos
gestreckt (Standard: die eingebaute Skizzenpinsel-Textur)</translation>
    </message>
    <message>
        <source>write the sketches into DIR (made when missing)</source>
        <extracomment>Help of --out-dir DIR. Lines of at most 60 characters; DIR as in the usage lines.</extracomment>
        <translation>die Skizzen in DIR schreiben (wird bei Bedarf angelegt)</translation>
    </message>
    <message>
        <source>with --out-dir, write only the outputs whose names
(NAME.styleN.png, then &quot; (2)&quot; for a second photo of
that name) are not in DIR yet; a photo with every
output there is not read</source>
        <extracomment>Help of --skip-existing. Lines of at most 60 characters; keep --out-dir, DIR, and the output names &quot;NAME.styleN.png&quot; and &quot; (2)&quot;.</extracomment>
        <translation>mit --out-dir nur die Ausgaben schreiben, deren Namen
(NAME.styleN.png, dann &quot; (2)&quot; für ein zweites Foto dieses
Namens) noch nicht in DIR stehen; ein Foto, dessen Ausgaben
alle schon vorhanden sind, wird nicht gelesen</translation>
    </message>
    <message>
        <source>png (default) or jpg, with --out-dir</source>
        <extracomment>Help of --format F. Keep png, jpg and --out-dir: they are typed as they are.</extracomment>
        <translation>png (Standard) oder jpg, mit --out-dir</translation>
    </message>
    <message>
        <source>write the preview stored in the Vorlane document
DOCUMENT to OUTPUT as PNG, scaled down to fit SIZE x SIZE
(1 to 1024; never scaled up); nothing else of the
document is read</source>
        <extracomment>Help of --thumbnail SIZE. Lines of at most 60 characters; DOCUMENT, OUTPUT and SIZE as in the usage lines.</extracomment>
        <translation>die im Vorlane-Dokument DOCUMENT gespeicherte Vorschau
als PNG nach OUTPUT schreiben, verkleinert auf SIZE x SIZE
(1 bis 1024; nie vergrößert); sonst wird nichts aus dem
Dokument gelesen</translation>
    </message>
    <message>
        <source>write the painting of the Vorlane document DOCUMENT as a
time-lapse video, H.264 (.mp4) or animated WebP (.webp),
30 frames a second: the sketch, the strokes in effect at
their painted pace (pauses over 1 s shortened), the
finished painting held for the last second</source>
        <extracomment>Help of --timelapse OUT. Lines of at most 60 characters; DOCUMENT as in the usage lines.</extracomment>
        <translation>das Gemälde des Vorlane-Dokuments DOCUMENT als
Zeitraffervideo schreiben, H.264 (.mp4) oder animiertes
WebP (.webp), 30 Bilder pro Sekunde: die Skizze, die
wirksamen Striche in ihrem Maltempo (Pausen über 1 s
verkürzt), zuletzt eine Sekunde lang das fertige Gemälde</translation>
    </message>
    <message>
        <source>the time-lapse&apos;s length, 3 to 120 seconds (default 10)</source>
        <extracomment>Help of --duration S. Lines of at most 60 characters.</extracomment>
        <translation>Länge des Zeitraffers, 3 bis 120 Sekunden (Standard 10)</translation>
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
        <translation>working (Standard): die oben beschriebene Arbeitsgröße;
full: die eigene, aufgerichtete Größe des Fotos (ein Foto
über 64 MP, 8192 x 8192 Pixel, wird darauf verkleinert); N:
die längere Seite in Pixeln, 256 bis 8192 und höchstens die
des Fotos. Ein größeres Rendering sieht aus wie das in
Arbeitsgröße, mit den feineren Details des Fotos; ein
Dokument wird mit seinen Strichen in dieser Größe gerendert.
Mit --timelapse: die längere Seite des Videos, ab 16
(Standard 1080; höchstens die des Fotos)</translation>
    </message>
    <message>
        <source>photos rendered at once (default: the number of cores, %1)</source>
        <extracomment>Help of --jobs N. %1 is the number of processor cores of this machine.</extracomment>
        <translation>gleichzeitig gerenderte Fotos (Standard: Zahl der Kerne, %1)</translation>
    </message>
    <message>
        <source>the memory the photos rendered at once may take together,
in megabytes (default: three quarters of the memory free
at the start); a photo that alone needs more still runs,
by itself</source>
        <extracomment>Help of --memory MB. Lines of at most 60 characters.</extracomment>
        <translation>Arbeitsspeicher, den die gleichzeitig gerenderten Fotos
zusammen belegen dürfen, in Megabyte (Standard: drei Viertel
des beim Start freien Speichers); ein Foto, das allein mehr
braucht, wird trotzdem verarbeitet, dann für sich allein</translation>
    </message>
    <message>
        <source>JPEG quality 0 to 100 (default %1); for PNG the
compression effort 0 to 100 (default %2, the fastest;
100 gives the smallest file)</source>
        <extracomment>Help of --quality Q. Lines of at most 60 characters. %1 is the JPEG quality and %2 the PNG compression effort used when the option is not given.</extracomment>
        <translation>JPEG-Qualität 0 bis 100 (Standard %1); bei PNG der
Kompressionsaufwand 0 bis 100 (Standard %2, am schnellsten;
100 ergibt die kleinste Datei)</translation>
    </message>
    <message>
        <source>show this text</source>
        <extracomment>Help of -h, --help.</extracomment>
        <translation>diesen Text anzeigen</translation>
    </message>
    <message>
        <source>show the version and the licence</source>
        <extracomment>Help of -v, --version.</extracomment>
        <translation>Version und Lizenz anzeigen</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 a file cannot be read or written (some photos
failed), 2 usage error.</source>
        <extracomment>Lines of at most 78 characters.</extracomment>
        <translation>Beendigungsstatus: 0 fertig, 1 eine Datei ist nicht les- oder
schreibbar (einige Fotos sind fehlgeschlagen), 2 Aufruffehler.</translation>
    </message>
    <message>
        <source>%1 needs a value, not &quot;-&quot;</source>
        <extracomment>%1 is an option, e.g. --out-dir, given &quot;-&quot; where its value should be.</extracomment>
        <translation>%1 braucht einen Wert, nicht „-“</translation>
    </message>
    <message>
        <source>%1 needs a value, not the option &quot;%2&quot;</source>
        <extracomment>%1 is an option, e.g. --out-dir; %2 the option that came where its value should be.</extracomment>
        <translation>%1 braucht einen Wert, nicht die Option „%2“</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <extracomment>%1 is the option as typed, e.g. --colour.</extracomment>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>%1 takes one DOCUMENT and one OUTPUT</source>
        <extracomment>%1 is the option --thumbnail. DOCUMENT and OUTPUT are as in the usage lines of --help.</extracomment>
        <translation>%1 erwartet ein DOCUMENT und ein OUTPUT</translation>
    </message>
    <message>
        <source>%1 must be working, full or a longer side from %2 to %3 pixels (%3 x %3 is the 64 MP limit), not &quot;%4&quot;</source>
        <extracomment>%1 is the option --size; &quot;working&quot; and &quot;full&quot; are values it takes: keep them as they are.</extracomment>
        <translation>%1 muss working, full oder eine längere Seite (%2 bis %3 Pixel; %3 x %3 = 64 MP) sein, nicht „%4“</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <extracomment>%1 is the option --out-dir, given an empty value.</extracomment>
        <translation>%1 braucht einen Ordner</translation>
    </message>
    <message>
        <source>%1 writes seven files: it needs %2</source>
        <extracomment>%1 is &quot;--style all&quot;, %2 the option --out-dir.</extracomment>
        <translation>%1 schreibt sieben Dateien und braucht daher %2</translation>
    </message>
    <message>
        <source>the style must be a number from 0 to 7 or all, not &quot;%1&quot;</source>
        <extracomment>&quot;all&quot; is a value --style takes with --out-dir: keep it as it is. %1 is what was given.</extracomment>
        <translation>der Stil muss 0 bis 7 oder all sein, nicht „%1“</translation>
    </message>
    <message>
        <source>the style must be a number from 0 to 7, not &quot;%1&quot;</source>
        <extracomment>%1 is what was given for --style.</extracomment>
        <translation>der Stil muss 0 bis 7 sein, nicht „%1“</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <extracomment>%1 is the option --texture, given an empty value.</extracomment>
        <translation>%1 braucht eine Datei</translation>
    </message>
    <message>
        <source>%1 must be a number of megabytes from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the option --memory; %2 to %3 the megabytes it takes; %4 what was given.</extracomment>
        <translation>%1 muss zwischen %2 und %3 Megabyte liegen, nicht „%4“</translation>
    </message>
    <message>
        <source>%1 must be png or jpg, not &quot;%2&quot;</source>
        <extracomment>%1 is the option --format; &quot;png&quot; and &quot;jpg&quot; are the values it takes: keep them. %2 is what was given.</extracomment>
        <translation>%1 muss png oder jpg sein, nicht „%2“</translation>
    </message>
    <message>
        <source>no INPUT given</source>
        <extracomment>INPUT is as in the usage lines of --help.</extracomment>
        <translation>kein INPUT angegeben</translation>
    </message>
    <message>
        <source>%1 goes with %2; OUTPUT&apos;s extension gives the format</source>
        <extracomment>%1 is the option --format, %2 the option --out-dir; OUTPUT is as in the usage lines of --help.</extracomment>
        <translation>%1 nur mit %2; das Format folgt aus der Endung von OUTPUT</translation>
    </message>
    <message>
        <source>INPUT and OUTPUT are needed</source>
        <extracomment>INPUT and OUTPUT are as in the usage lines of --help.</extracomment>
        <translation>INPUT und OUTPUT sind erforderlich</translation>
    </message>
    <message>
        <source>only one INPUT and one OUTPUT are taken (%1 takes many)</source>
        <extracomment>INPUT and OUTPUT are as in the usage lines of --help; %1 is the option --out-dir.</extracomment>
        <translation>nur ein INPUT und ein OUTPUT möglich (%1 nimmt mehrere)</translation>
    </message>
    <message>
        <source>OUTPUT must end in .png, .jpg or .jpeg: &quot;%1&quot;</source>
        <extracomment>OUTPUT is as in the usage lines of --help; %1 is the name given for it.</extracomment>
        <translation>OUTPUT muss auf .png, .jpg oder .jpeg enden: „%1“</translation>
    </message>
    <message>
        <source>OUTPUT is the same file as INPUT</source>
        <extracomment>OUTPUT and INPUT are as in the usage lines of --help.</extracomment>
        <translation>OUTPUT ist dieselbe Datei wie INPUT</translation>
    </message>
    <message>
        <source>OUTPUT is the same file as the texture</source>
        <extracomment>OUTPUT is as in the usage lines of --help; the texture is the picture --texture names.</extracomment>
        <translation>OUTPUT ist dieselbe Datei wie die Textur</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Said of OUTPUT when it names a folder, a device or the like.</extracomment>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 writes a .mp4 or .webp file, not &quot;%2&quot;</source>
        <extracomment>%1 is the option --timelapse; %2 the file name given to it.</extracomment>
        <translation>%1 schreibt eine .mp4- oder .webp-Datei, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 must be a number of seconds from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the option --duration; %2 to %3 the seconds it takes; %4 what was given.</extracomment>
        <translation>%1 muss zwischen %2 und %3 Sekunden liegen, nicht „%4“</translation>
    </message>
    <message>
        <source>%1 takes one PAINTING</source>
        <extracomment>%1 is the option --timelapse; PAINTING is the Vorlane document it is made from.</extracomment>
        <translation>%1 erwartet ein PAINTING</translation>
    </message>
    <message>
        <source>time-lapse %1%</source>
        <extracomment>Progress while the video is written: %1 is how much is done, in percent.</extracomment>
        <translation>Zeitraffer %1 %</translation>
    </message>
</context>
</TS>
