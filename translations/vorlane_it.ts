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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get it</source>
        <comment>Get it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More</source>
        <comment>More</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next time</source>
        <comment>Next time</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo</source>
        <comment>StyleName0</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pencil</source>
        <comment>StyleName1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharp Pencil</source>
        <comment>StyleName2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outline</source>
        <comment>StyleName3</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chalk</source>
        <comment>StyleName4</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relief</source>
        <comment>StyleName5</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emboss</source>
        <comment>StyleName6</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deboss</source>
        <comment>StyleName7</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>canvas::CanvasCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo the stroke undone last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paint Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint the colour back over the sketch (A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore Sketch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bring the sketch back (B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bigger Brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the brush larger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Smaller Brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the brush smaller</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>canvas::VorlaneView</name>
    <message>
        <source>Brush Size：</source>
        <extracomment>Ends in a full-width colon (U+FF1A), as the label was first drawn.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desktop::DesktopWindow</name>
    <message>
        <source>&lt;p style=&apos;font-size:x-large&apos;&gt;Open a photo to begin.&lt;/p&gt;&lt;p&gt;File &amp;rsaquo; Open&amp;hellip; (Ctrl+O), or drop a photo here.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  %2 × %3 px</source>
        <extracomment>The status bar&apos;s photo: %1 its name, %2 x %3 its size in pixels.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brush %1 px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>%1 is the saved file&apos;s path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to the painting before quitting?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to the painting before opening the dropped picture?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a photo from a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Take Photo...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take a photo with the camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the painting as a Vorlane document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the painting as a Vorlane document of another name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the picture as a PNG or JPEG file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export A&amp;gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the picture to the file exported last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Time-&amp;lapse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a short film of the painting being made (MP4 or animated WebP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to &amp;Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the picture to the Vorlane folder in Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share by &amp;Mail...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attach the picture to a new mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Vorlane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the picture larger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the picture smaller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the whole picture as large as the window allows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actual Pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show one picture pixel per screen pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the colour layer alone (or hold the \ key)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the picture to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pe&amp;n Pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A pen tablet&apos;s pressure sets the brush width, from a quarter to all of it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorlane &amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to paint, zoom and move the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Vorlane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version, licence and credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Styles Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the list of styles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Brush size </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brush size ([ and ])</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold to show the colour layer alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo Stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo Style Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo Stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo Style Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>The toolbar&apos;s short word for Edit &gt; Undo.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>The toolbar&apos;s short word for Edit &gt; Redo.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the style change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo the style change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo the stroke undone last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Vorlane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Vorlane %1&lt;/h3&gt;&lt;p&gt;Turns a photo into a pencil sketch and lets you paint the colour back.&lt;/p&gt;&lt;p&gt;Vorlane is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version.&lt;/p&gt;&lt;p&gt;Sample photo: astronaut Eileen Collins, NASA (public domain).&lt;/p&gt;</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Painting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorlane painting (*.vorlane)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Painting</source>
        <extracomment>The file name offered for a painting of no photo name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG image (*.jpg *.jpeg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animated WebP (*.webp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Time-lapse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 time-lapse</source>
        <extracomment>The file name offered for a time-lapse; %1 is the painting&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting %1</source>
        <extracomment>%1 is the name of the file being written.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export cancelled: nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover Painting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover the painting of %1 from %2?</source>
        <extracomment>%1 is the photo&apos;s name, %2 the date and time the painting was last changed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorlane ended without closing it. Discarded paintings cannot be brought back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you don&apos;t save, your changes will be lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to the painting before opening another photo?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All supported (*.vorlane %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorlane paintings (*.vorlane)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No camera was found on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to the painting before taking a photo?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to the painting before opening %1?</source>
        <extracomment>%1 is the name of the file about to be opened.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorlane Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rate Vorlane...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate Vorlane in your software centre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;More Apps...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other free apps for pictures that you may like</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file manager could show the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture copied, %1 × %2 px</source>
        <extracomment>%1 x %2 is the picture&apos;s size in pixels.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Mail Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mail program took the picture. Save it to your Pictures folder and attach it to a mail yourself?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No camera was found on this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll &amp;Bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show scroll bars when the picture is larger than the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desktop::ExportPictureDialog</name>
    <message>
        <source>Export Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Working size (%1)</source>
        <extracomment>%1 is a size in pixels, &quot;1280 × 960&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &amp;photo&apos;s own size (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Longer side:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Higher keeps more detail in a larger file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG &amp;quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes %1 pixels as %2.</source>
        <extracomment>%1 is a size in pixels, &quot;1280 × 960&quot;; %2 the file type, PNG or JPEG.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desktop::PromptStrips</name>
    <message>
        <source>New to Vorlane? The help shows how to paint, zoom and move the picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate It</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More Apps…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enjoying Vorlane? Rate it in your software centre, or have a look at more free apps for your pictures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enjoying Vorlane? A rating in your software centre helps others find it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enjoying Vorlane? Have a look at more free apps for your pictures.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desktop::StylePanel</name>
    <message>
        <source>Styles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sketch style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the sketch looks: the picture the painting starts from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Colour layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What Paint Colour brings back: the photo itself, or the photo in a style</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desktop::TimelapseDialog</name>
    <message>
        <source>Export Time-lapse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>The unit after the length in seconds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longer &amp;side:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes %1 pixels, %2 s at %3 frames a second, as H.264 video (MP4).</source>
        <extracomment>%1 is a size in pixels, &quot;1280 × 960&quot;; %2 the length in seconds; %3 the frame rate.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes %1 pixels, %2 s at %3 frames a second, as animated WebP.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>desktop::ZoomBox</name>
    <message>
        <source>Zoom: type a percentage and press Return, or choose one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit</source>
        <extracomment>The zoom box&apos;s choice that fits the picture to the window.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>document</name>
    <message>
        <source>The dropped picture</source>
        <extracomment>A dropped picture without a file, first in &quot;The dropped picture could not be opened: ...&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the H.264 encoder cannot start (%1)</source>
        <extracomment>Why a time-lapse cannot be written; %1 is the video library&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be written (%1)</source>
        <extracomment>Why a file cannot be saved; %1 is the system&apos;s or a library&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an MP4 frame needs even sides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this system&apos;s libavcodec has no H.264 encoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>libavformat has no MP4 muxer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>memory ran out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the frames cannot be converted to yuv420p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a frame does not match the video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the video cannot be encoded (%1)</source>
        <extracomment>Why a time-lapse cannot be written; %1 is the video library&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a style cannot be rendered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its photo does not match its painting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its photo cannot be decoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a Vorlane document</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>made by a newer version of Vorlane</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot; (the file is damaged).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too large</source>
        <extracomment>Why a painting cannot be opened or kept, after &quot;NAME could not be opened: &quot; (the painting is too large).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in use by another program</source>
        <extracomment>Why a painting cannot be opened or saved, after &quot;NAME could not be opened: &quot; (the file is in use).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot; (the file cannot be read).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its photo does not match its checksum</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>does not exist</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot; (the file does not exist).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder cannot be written to</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the painting holds values no document can have</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the session is closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the session has no file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <extracomment>Why a picture cannot be saved; %1 is the folder&apos;s path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no free file name is left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a picture can be saved as PNG (.png) or JPEG (.jpg) only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 is read-only</source>
        <extracomment>Why a picture cannot be saved; %1 is the file&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hello!</source>
        <extracomment>The subject and the whole text of a mail the picture is shared by.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sketch texture is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sketch texture could not be scaled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sketch texture raster could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the photo raster could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the result image could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a time-lapse is written as .mp4 or .webp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a time-lapse lasts %1 to %2 seconds</source>
        <extracomment>%1 and %2 are the shortest and longest time-lapse in seconds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a time-lapse is at least %1 pixels on its longer side</source>
        <extracomment>%1 is the smallest longer side of a time-lapse, in pixels.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>libwebp cannot start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a frame does not match the animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the animation cannot be encoded (%1)</source>
        <extracomment>Why a time-lapse cannot be written; %1 is the WebP library&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the animation cannot be encoded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>document::SketchDocument</name>
    <message>
        <source>Images (%1)</source>
        <extracomment>The open dialog&apos;s filter; %1 is the list of file patterns (&quot;*.jpg *.png ...&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Open Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <extracomment>%1 is the name of the file or picture, %2 the reason (a clause in lower case).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is not a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture could not be rendered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The camera picture</source>
        <extracomment>A picture from the camera, first in &quot;The camera picture could not be opened: ...&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Exported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason (a clause in lower case).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Open Painting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is open in Vorlane already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its photo does not match its painting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Painting Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The painting could not be saved as %1: %2.</source>
        <extracomment>%1 is the document&apos;s file name, %2 the reason (a clause in lower case).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load a photo first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Saved!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new image is saved to your album.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image could not be saved to your album: %1.</source>
        <extracomment>%1 is the reason (a clause in lower case).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image could not be saved as %1: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason (a clause in lower case).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A picture made with Vorlane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>the file does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <extracomment>Why a file cannot be opened; %1 is the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file too large</source>
        <extracomment>Why a file cannot be written: it has reached the largest size allowed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <extracomment>Why a file cannot be written; %1 is the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged or incomplete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>memory ran out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture is stored in a way that cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is not a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture could not be scaled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pixels is larger than the photo (%2 x %3)</source>
        <extracomment>Why a picture cannot be exported at the longer side asked for: %1 is that side, %2 x %3 the photo&apos;s own size, in pixels.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>platform::CameraCapture</name>
    <message>
        <source>Take Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>promo</name>
    <message>
        <source>How to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could you give us a rate and some suggestions to improve this App?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>screen</name>
    <message>
        <source>No Camera!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no Camera on this Device. You can load photo from your album.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error accessing photo library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device does not support a photo library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drat!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error accessing photo library!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>screen::MainViewController</name>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlane</name>
    <message>
        <source>Turns a photo into a pencil sketch and lets you paint the colour back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout: desktop (a resizable window with menus), phone (320 points wide) or tablet (768 x 1024). Default: phone on a portrait touch screen narrower than 600 pixels, desktop elsewhere.</source>
        <extracomment>Help of --profile. desktop, phone and tablet are the values it takes: keep them as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone layout&apos;s height (implies --profile phone).</source>
        <extracomment>Help of --screen-height. Keep &quot;--profile phone&quot; as it is: it is typed so.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enlarge the whole window by this factor, 0.25 to 8 (as QT_SCALE_FACTOR).</source>
        <extracomment>Help of --scale. QT_SCALE_FACTOR is an environment variable&apos;s name: keep it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A photo to open.</source>
        <extracomment>Help of the PHOTO argument.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes desktop, phone or tablet, not %2</source>
        <extracomment>%1 is the option --profile; desktop, phone and tablet are the values it takes: keep them. %2 is what was given.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes 480 or 568, not %2</source>
        <extracomment>%1 is the option --screen-height; %2 what was given.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes a factor from 0.25 to 8, not %2</source>
        <extracomment>%1 is the option --scale; %2 what was given.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only one photo can be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 applies to the phone profile only</source>
        <extracomment>%1 is the option --screen-height.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;vorlane --help&apos;.</source>
        <extracomment>Keep the command &quot;vorlane --help&quot; as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Vorlane developers.
License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <extracomment>The lines --version prints after the program&apos;s name and version. Keep the licence&apos;s name (GPL-3.0-or-later) and the address as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vorlane-sketch</name>
    <message>
        <source>the folder cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos</source>
        <extracomment>Progress of a batch: %1 photos done of %n.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos, %2 photos/s</source>
        <extracomment>Progress of a batch: %1 photos done of %n, at %2 photos a second.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos, %2 photos/s, %3 min %4 s left</source>
        <extracomment>Progress of a batch: %1 photos done of %n, at %2 photos a second, %3 minutes and %4 seconds left.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos, %2 photos/s, %3 s left</source>
        <extracomment>Progress of a batch: %1 photos done of %n, at %2 photos a second, %3 seconds left.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n photos failed</source>
        <extracomment>The batch&apos;s closing count: %1 of its %n photos failed.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n photos already done, skipped</source>
        <extracomment>The batch&apos;s closing count: %1 of its %n photos were left out, their outputs there from an earlier run.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>the picture cannot be encoded (%1)</source>
        <extracomment>%1 is the image encoder&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <extracomment>%1 is the system&apos;s reason, e.g. &quot;No space left on device&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be written (every numbered name is taken)</source>
        <extracomment>The batch names its outputs &quot;NAME.styleN.png&quot;, then &quot;NAME.styleN (2).png&quot;, and so on.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A failure line (after the program&apos;s name): %1 is a file&apos;s path, %2 what went wrong with that file, e.g. &quot;the file does not exist&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>memory ran out</source>
        <extracomment>Why a photo (or the texture) could not be read or rendered.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no texture was given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the texture cannot be made the photo&apos;s size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>names no sketch-brush texture</source>
        <extracomment>Said of the program&apos;s own list of data files.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>names the texture &quot;%1&quot;, which is missing</source>
        <extracomment>Said of the program&apos;s own list of data files; %1 is a picture&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder cannot be written (%1)</source>
        <extracomment>%1 is the system&apos;s reason, e.g. &quot;Permission denied&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no photos among the inputs (a folder&apos;s pictures are taken by their extension)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds no preview</source>
        <extracomment>Said of a Vorlane document, whose preview picture --thumbnail writes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <extracomment>%1 is the system&apos;s or the image encoder&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is an option, e.g. --jobs; %2 to %3 the numbers it takes; %4 what was given.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <extracomment>%1 and %2 are options, e.g. --skip-existing and --out-dir: the first is taken only with the second.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <extracomment>%1 and %2 are options, e.g. --thumbnail and --style: the first is never taken with the second.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;vorlane-sketch --help&apos;.</source>
        <extracomment>Keep the command &quot;vorlane-sketch --help&quot; as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT
  or:  vorlane-sketch --out-dir DIR [--style N|all] [OPTION]... INPUT...
  or:  vorlane-sketch --thumbnail SIZE DOCUMENT OUTPUT
  or:  vorlane-sketch --timelapse OUT.mp4|OUT.webp [--duration S] [--size N]
         DOCUMENT</source>
        <extracomment>The command&apos;s forms. Translate &quot;Usage:&quot; and &quot;or:&quot; only; keep the program&apos;s name, the options and the upper-case words (the files and values the command takes) as they are.</extracomment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:</source>
        <extracomment>The heading of the options&apos; list.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sketch style 1 to 7 (default 1); 0 writes the prepared
photo; all (with --out-dir) writes styles 1 to 7 from
one decode</source>
        <extracomment>Help of --style N. Lines of at most 60 characters; keep &quot;all&quot; and --out-dir.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pencil texture picture, stretched to each photo&apos;s size
(default: the built-in sketch-brush texture)</source>
        <extracomment>Help of --texture FILE. Lines of at most 60 characters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write the sketches into DIR (made when missing)</source>
        <extracomment>Help of --out-dir DIR. Lines of at most 60 characters; DIR as in the usage lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with --out-dir, write only the outputs whose names
(NAME.styleN.png, then &quot; (2)&quot; for a second photo of
that name) are not in DIR yet; a photo with every
output there is not read</source>
        <extracomment>Help of --skip-existing. Lines of at most 60 characters; keep --out-dir, DIR, and the output names &quot;NAME.styleN.png&quot; and &quot; (2)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>png (default) or jpg, with --out-dir</source>
        <extracomment>Help of --format F. Keep png, jpg and --out-dir: they are typed as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write the preview stored in the Vorlane document
DOCUMENT to OUTPUT as PNG, scaled down to fit SIZE x SIZE
(1 to 1024; never scaled up); nothing else of the
document is read</source>
        <extracomment>Help of --thumbnail SIZE. Lines of at most 60 characters; DOCUMENT, OUTPUT and SIZE as in the usage lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write the painting of the Vorlane document DOCUMENT as a
time-lapse video, H.264 (.mp4) or animated WebP (.webp),
30 frames a second: the sketch, the strokes in effect at
their painted pace (pauses over 1 s shortened), the
finished painting held for the last second</source>
        <extracomment>Help of --timelapse OUT. Lines of at most 60 characters; DOCUMENT as in the usage lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the time-lapse&apos;s length, 3 to 120 seconds (default 10)</source>
        <extracomment>Help of --duration S. Lines of at most 60 characters.</extracomment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>photos rendered at once (default: the number of cores, %1)</source>
        <extracomment>Help of --jobs N. %1 is the number of processor cores of this machine.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the memory the photos rendered at once may take together,
in megabytes (default: three quarters of the memory free
at the start); a photo that alone needs more still runs,
by itself</source>
        <extracomment>Help of --memory MB. Lines of at most 60 characters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG quality 0 to 100 (default %1); for PNG the
compression effort 0 to 100 (default %2, the fastest;
100 gives the smallest file)</source>
        <extracomment>Help of --quality Q. Lines of at most 60 characters. %1 is the JPEG quality and %2 the PNG compression effort used when the option is not given.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show this text</source>
        <extracomment>Help of -h, --help.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show the version and the licence</source>
        <extracomment>Help of -v, --version.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 a file cannot be read or written (some photos
failed), 2 usage error.</source>
        <extracomment>Lines of at most 78 characters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value, not &quot;-&quot;</source>
        <extracomment>%1 is an option, e.g. --out-dir, given &quot;-&quot; where its value should be.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value, not the option &quot;%2&quot;</source>
        <extracomment>%1 is an option, e.g. --out-dir; %2 the option that came where its value should be.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <extracomment>%1 is the option as typed, e.g. --colour.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes one DOCUMENT and one OUTPUT</source>
        <extracomment>%1 is the option --thumbnail. DOCUMENT and OUTPUT are as in the usage lines of --help.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be working, full or a longer side from %2 to %3 pixels (%3 x %3 is the 64 MP limit), not &quot;%4&quot;</source>
        <extracomment>%1 is the option --size; &quot;working&quot; and &quot;full&quot; are values it takes: keep them as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <extracomment>%1 is the option --out-dir, given an empty value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 writes seven files: it needs %2</source>
        <extracomment>%1 is &quot;--style all&quot;, %2 the option --out-dir.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the style must be a number from 0 to 7 or all, not &quot;%1&quot;</source>
        <extracomment>&quot;all&quot; is a value --style takes with --out-dir: keep it as it is. %1 is what was given.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the style must be a number from 0 to 7, not &quot;%1&quot;</source>
        <extracomment>%1 is what was given for --style.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <extracomment>%1 is the option --texture, given an empty value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a number of megabytes from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the option --memory; %2 to %3 the megabytes it takes; %4 what was given.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be png or jpg, not &quot;%2&quot;</source>
        <extracomment>%1 is the option --format; &quot;png&quot; and &quot;jpg&quot; are the values it takes: keep them. %2 is what was given.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no INPUT given</source>
        <extracomment>INPUT is as in the usage lines of --help.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 goes with %2; OUTPUT&apos;s extension gives the format</source>
        <extracomment>%1 is the option --format, %2 the option --out-dir; OUTPUT is as in the usage lines of --help.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INPUT and OUTPUT are needed</source>
        <extracomment>INPUT and OUTPUT are as in the usage lines of --help.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only one INPUT and one OUTPUT are taken (%1 takes many)</source>
        <extracomment>INPUT and OUTPUT are as in the usage lines of --help; %1 is the option --out-dir.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OUTPUT must end in .png, .jpg or .jpeg: &quot;%1&quot;</source>
        <extracomment>OUTPUT is as in the usage lines of --help; %1 is the name given for it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OUTPUT is the same file as INPUT</source>
        <extracomment>OUTPUT and INPUT are as in the usage lines of --help.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OUTPUT is the same file as the texture</source>
        <extracomment>OUTPUT is as in the usage lines of --help; the texture is the picture --texture names.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Said of OUTPUT when it names a folder, a device or the like.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 writes a .mp4 or .webp file, not &quot;%2&quot;</source>
        <extracomment>%1 is the option --timelapse; %2 the file name given to it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a number of seconds from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the option --duration; %2 to %3 the seconds it takes; %4 what was given.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes one PAINTING</source>
        <extracomment>%1 is the option --timelapse; PAINTING is the Vorlane document it is made from.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time-lapse %1%</source>
        <extracomment>Progress while the video is written: %1 is how much is done, in percent.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
