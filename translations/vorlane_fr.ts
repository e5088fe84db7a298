<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Localizable</name>
    <message>
        <source>You can give your photos a dramatic effect by converting them to sketch(from PhotoB), while keeping the region and details that you choose in color(from PhotoA).
1. Use your finger as a brush to &apos;paint&apos; area of the sketch image, or to bring back the original color.
2. Move photo by two-finger move.
3. Zooming in and out by two-finger pinching.</source>
        <comment>HelpText</comment>
        <translation>Donnez un effet saisissant à vos photos en les transformant en croquis (voir photo B), tout en gardant en couleur les zones et les détails de votre choix (voir photo A).
1. Utilisez votre doigt comme un pinceau pour «&#xa0;peindre&#xa0;» des zones du croquis ou pour faire revenir la couleur d&apos;origine.
2. Déplacez la photo en faisant glisser deux doigts.
3. Zoomez ou dézoomez en pinçant avec deux doigts.</translation>
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
        <translation>Vorlane transforme votre photo en croquis au crayon et vous permet de repeindre les couleurs de la photo où vous le souhaitez.

Peindre&#xa0;: faites glisser la souris sur l&apos;image en maintenant le bouton gauche enfoncé. Avec Colorier (A), la couleur apparaît&#xa0;; avec Restaurer le croquis (B), le croquis revient.
Taille du pinceau&#xa0;: le curseur de la barre d&apos;outils, ou les touches [ et ]. Le cercle sous le pointeur montre le pinceau.
Zoom&#xa0;: la molette de la souris ou un pincement sur le pavé tactile zoome autour du pointeur&#xa0;; Ctrl++ et Ctrl+- font un zoom avant ou arrière, Ctrl+0 ajuste l&apos;image à la fenêtre, Ctrl+1 l&apos;affiche en taille réelle.
Déplacer l&apos;image&#xa0;: faites glisser la souris en maintenant le bouton droit ou central enfoncé.
Comparer&#xa0;: maintenez la touche barre oblique inverse (\) enfoncée pour voir le calque de couleur seul.
Annulez ou rétablissez des traits entiers avec Ctrl+Z et Ctrl+Shift+Z.
Dans le panneau Styles, Style de croquis définit l&apos;apparence du croquis, et Calque de couleur ce que Colorier fait revenir&#xa0;: la photo elle-même ou la photo dans un style.
Copiez l&apos;image avec Ctrl+C&#xa0;; enregistrez la peinture avec Ctrl+S.</translation>
    </message>
    <message>
        <source>Get it</source>
        <comment>Get it</comment>
        <translation>Obtenir</translation>
    </message>
    <message>
        <source>More</source>
        <comment>More</comment>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Next time</source>
        <comment>Next time</comment>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Photo</source>
        <comment>StyleName0</comment>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Pencil</source>
        <comment>StyleName1</comment>
        <translation>Crayon</translation>
    </message>
    <message>
        <source>Sharp Pencil</source>
        <comment>StyleName2</comment>
        <translation>Crayon fin</translation>
    </message>
    <message>
        <source>Outline</source>
        <comment>StyleName3</comment>
        <translation>Contours</translation>
    </message>
    <message>
        <source>Chalk</source>
        <comment>StyleName4</comment>
        <translation>Craie</translation>
    </message>
    <message>
        <source>Relief</source>
        <comment>StyleName5</comment>
        <translation>Relief</translation>
    </message>
    <message>
        <source>Emboss</source>
        <comment>StyleName6</comment>
        <translation>Repoussé</translation>
    </message>
    <message>
        <source>Deboss</source>
        <comment>StyleName7</comment>
        <translation>En creux</translation>
    </message>
</context>
<context>
    <name>canvas::CanvasCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo the last stroke</source>
        <translation>Annuler le dernier trait</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Redo the stroke undone last</source>
        <translation>Rétablir le dernier trait annulé</translation>
    </message>
    <message>
        <source>&amp;Paint Colour</source>
        <translation>&amp;Colorier</translation>
    </message>
    <message>
        <source>Paint the colour back over the sketch (A)</source>
        <translation>Repeindre la couleur sur le croquis (A)</translation>
    </message>
    <message>
        <source>&amp;Restore Sketch</source>
        <translation>&amp;Restaurer le croquis</translation>
    </message>
    <message>
        <source>Bring the sketch back (B)</source>
        <translation>Faire revenir le croquis (B)</translation>
    </message>
    <message>
        <source>&amp;Bigger Brush</source>
        <translation>Pinceau plus &amp;grand</translation>
    </message>
    <message>
        <source>Make the brush larger</source>
        <translation>Agrandir le pinceau</translation>
    </message>
    <message>
        <source>&amp;Smaller Brush</source>
        <translation>Pinceau plus pe&amp;tit</translation>
    </message>
    <message>
        <source>Make the brush smaller</source>
        <translation>Réduire le pinceau</translation>
    </message>
</context>
<context>
    <name>canvas::VorlaneView</name>
    <message>
        <source>Brush Size：</source>
        <extracomment>Ends in a full-width colon (U+FF1A), as the label was first drawn.</extracomment>
        <translation>Taille pinceau：</translation>
    </message>
</context>
<context>
    <name>desktop::DesktopWindow</name>
    <message>
        <source>&lt;p style=&apos;font-size:x-large&apos;&gt;Open a photo to begin.&lt;/p&gt;&lt;p&gt;File &amp;rsaquo; Open&amp;hellip; (Ctrl+O), or drop a photo here.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:x-large&apos;&gt;Ouvrez une photo pour commencer.&lt;/p&gt;&lt;p&gt;Fichier &amp;rsaquo; Ouvrir&amp;hellip; (Ctrl+O), ou déposez une photo ici.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>Aucune photo</translation>
    </message>
    <message>
        <source>%1  %2 × %3 px</source>
        <extracomment>The status bar&apos;s photo: %1 its name, %2 x %3 its size in pixels.</extracomment>
        <translation>%1  %2 × %3&#xa0;px</translation>
    </message>
    <message>
        <source>Brush %1 px</source>
        <translation>Pinceau %1&#xa0;px</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1&#xa0;px</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>%1 is the saved file&apos;s path.</extracomment>
        <translation>Enregistré sous %1</translation>
    </message>
    <message>
        <source>Save changes to the painting before quitting?</source>
        <translation>Enregistrer les modifications de la peinture avant de quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Save changes to the painting before opening the dropped picture?</source>
        <translation>Enregistrer les modifications de la peinture avant d&apos;ouvrir l&apos;image déposée&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open a photo from a file</source>
        <translation>Ouvrir une photo à partir d&apos;un fichier</translation>
    </message>
    <message>
        <source>&amp;Take Photo...</source>
        <translation>&amp;Prendre une photo…</translation>
    </message>
    <message>
        <source>Take a photo with the camera</source>
        <translation>Prendre une photo avec la caméra</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the painting as a Vorlane document</source>
        <translation>Enregistrer la peinture dans un document Vorlane</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>Save the painting as a Vorlane document of another name</source>
        <translation>Enregistrer la peinture dans un document Vorlane sous un autre nom</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>Write the picture as a PNG or JPEG file</source>
        <translation>Enregistrer l&apos;image dans un fichier PNG ou JPEG</translation>
    </message>
    <message>
        <source>Export A&amp;gain</source>
        <translation>Exporter à &amp;nouveau</translation>
    </message>
    <message>
        <source>Write the picture to the file exported last</source>
        <translation>Enregistrer l&apos;image dans le dernier fichier exporté</translation>
    </message>
    <message>
        <source>Export Time-&amp;lapse...</source>
        <translation>Exporter un &amp;accéléré…</translation>
    </message>
    <message>
        <source>Write a short film of the painting being made (MP4 or animated WebP)</source>
        <translation>Enregistrer un court film de la création de la peinture (MP4 ou WebP animé)</translation>
    </message>
    <message>
        <source>Save to &amp;Pictures</source>
        <translation>Enregistrer dans &amp;Images</translation>
    </message>
    <message>
        <source>Save the picture to the Vorlane folder in Pictures</source>
        <translation>Enregistrer l&apos;image dans le dossier Vorlane du dossier Images</translation>
    </message>
    <message>
        <source>Share by &amp;Mail...</source>
        <translation>Partager par &amp;courriel…</translation>
    </message>
    <message>
        <source>Attach the picture to a new mail</source>
        <translation>Joindre l&apos;image à un nouveau courriel</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit Vorlane</source>
        <translation>Quitter Vorlane</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Show the picture larger</source>
        <translation>Afficher l&apos;image en plus grand</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>Show the picture smaller</source>
        <translation>Afficher l&apos;image en plus petit</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>&amp;Ajuster à la fenêtre</translation>
    </message>
    <message>
        <source>Show the whole picture as large as the window allows</source>
        <translation>Afficher l&apos;image entière aussi grande que la fenêtre le permet</translation>
    </message>
    <message>
        <source>&amp;Actual Pixels</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>Show one picture pixel per screen pixel</source>
        <translation>Afficher un pixel de l&apos;image par pixel de l&apos;écran</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparer</translation>
    </message>
    <message>
        <source>Show the colour layer alone (or hold the \ key)</source>
        <translation>Afficher le calque de couleur seul (ou maintenir la touche \ enfoncée)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the picture to the clipboard</source>
        <translation>Copier l&apos;image dans le presse-papiers</translation>
    </message>
    <message>
        <source>Pe&amp;n Pressure</source>
        <translation>Pression du &amp;stylet</translation>
    </message>
    <message>
        <source>A pen tablet&apos;s pressure sets the brush width, from a quarter to all of it</source>
        <translation>La pression du stylet sur une tablette graphique règle la largeur du pinceau, d&apos;un quart à la totalité</translation>
    </message>
    <message>
        <source>Vorlane &amp;Help</source>
        <translation>&amp;Aide de Vorlane</translation>
    </message>
    <message>
        <source>How to paint, zoom and move the picture</source>
        <translation>Comment peindre, zoomer et déplacer l&apos;image</translation>
    </message>
    <message>
        <source>&amp;About Vorlane</source>
        <translation>À &amp;propos de Vorlane</translation>
    </message>
    <message>
        <source>Version, licence and credits</source>
        <translation>Version, licence et crédits</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Styles Panel</source>
        <translation>Panneau des &amp;styles</translation>
    </message>
    <message>
        <source>Show or hide the list of styles</source>
        <translation>Afficher ou masquer la liste des styles</translation>
    </message>
    <message>
        <source>&amp;Brush</source>
        <translation>&amp;Pinceau</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source> Brush size </source>
        <translation> Pinceau </translation>
    </message>
    <message>
        <source>Brush size ([ and ])</source>
        <translation>Taille du pinceau ([ et ])</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Hold to show the colour layer alone</source>
        <translation>Maintenir enfoncé pour afficher le calque de couleur seul</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo Stroke</source>
        <translation>&amp;Annuler le trait</translation>
    </message>
    <message>
        <source>&amp;Undo Style Change</source>
        <translation>&amp;Annuler le changement de style</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Redo Stroke</source>
        <translation>&amp;Rétablir le trait</translation>
    </message>
    <message>
        <source>&amp;Redo Style Change</source>
        <translation>&amp;Rétablir le changement de style</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>The toolbar&apos;s short word for Edit &gt; Undo.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>The toolbar&apos;s short word for Edit &gt; Redo.</extracomment>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Undo the style change</source>
        <translation>Annuler le changement de style</translation>
    </message>
    <message>
        <source>Undo the last stroke</source>
        <translation>Annuler le dernier trait</translation>
    </message>
    <message>
        <source>Redo the style change</source>
        <translation>Rétablir le changement de style</translation>
    </message>
    <message>
        <source>Redo the stroke undone last</source>
        <translation>Rétablir le dernier trait annulé</translation>
    </message>
    <message>
        <source>About Vorlane</source>
        <translation>À propos de Vorlane</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Vorlane %1&lt;/h3&gt;&lt;p&gt;Turns a photo into a pencil sketch and lets you paint the colour back.&lt;/p&gt;&lt;p&gt;Vorlane is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version.&lt;/p&gt;&lt;p&gt;Sample photo: astronaut Eileen Collins, NASA (public domain).&lt;/p&gt;</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>&lt;h3&gt;Vorlane %1&lt;/h3&gt;&lt;p&gt;Transforme une photo en croquis au crayon et vous permet d&apos;y repeindre la couleur.&lt;/p&gt;&lt;p&gt;Vorlane est un logiciel libre&#xa0;: vous pouvez le redistribuer et/ou le modifier selon les termes de la licence publique générale GNU (GNU GPL), version 3 ou (à votre choix) toute version ultérieure.&lt;/p&gt;&lt;p&gt;Photo d&apos;exemple&#xa0;: l&apos;astronaute Eileen Collins, NASA (domaine public).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Save Painting</source>
        <translation>Enregistrer la peinture</translation>
    </message>
    <message>
        <source>Vorlane painting (*.vorlane)</source>
        <translation>Peinture Vorlane (*.vorlane)</translation>
    </message>
    <message>
        <source>Painting</source>
        <extracomment>The file name offered for a painting of no photo name.</extracomment>
        <translation>Peinture</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>JPEG image (*.jpg *.jpeg)</source>
        <translation>Image JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Vidéo MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>Animated WebP (*.webp)</source>
        <translation>WebP animé (*.webp)</translation>
    </message>
    <message>
        <source>Export Time-lapse</source>
        <translation>Exporter un accéléré</translation>
    </message>
    <message>
        <source>%1 time-lapse</source>
        <extracomment>The file name offered for a time-lapse; %1 is the painting&apos;s name.</extracomment>
        <translation>%1 (accéléré)</translation>
    </message>
    <message>
        <source>Exporting %1</source>
        <extracomment>%1 is the name of the file being written.</extracomment>
        <translation>Exportation de %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Export cancelled: nothing was written</source>
        <translation>Exportation annulée&#xa0;: aucun fichier n&apos;a été écrit</translation>
    </message>
    <message>
        <source>Recover Painting</source>
        <translation>Récupérer la peinture</translation>
    </message>
    <message>
        <source>Recover the painting of %1 from %2?</source>
        <extracomment>%1 is the photo&apos;s name, %2 the date and time the painting was last changed.</extracomment>
        <translation>Récupérer la peinture de %1, modifiée pour la dernière fois le %2&#xa0;?</translation>
    </message>
    <message>
        <source>Vorlane ended without closing it. Discarded paintings cannot be brought back.</source>
        <translation>Vorlane s&apos;est arrêté sans l&apos;avoir fermée. Une peinture abandonnée ne peut plus être récupérée.</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Récupérer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>If you don&apos;t save, your changes will be lost.</source>
        <translation>Si vous n&apos;enregistrez pas, vos modifications seront perdues.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Save changes to the painting before opening another photo?</source>
        <translation>Enregistrer les modifications de la peinture avant d&apos;ouvrir une autre photo&#xa0;?</translation>
    </message>
    <message>
        <source>All supported (*.vorlane %1)</source>
        <translation>Tous les formats pris en charge (*.vorlane %1)</translation>
    </message>
    <message>
        <source>Vorlane paintings (*.vorlane)</source>
        <translation>Peintures Vorlane (*.vorlane)</translation>
    </message>
    <message>
        <source>Open Photo</source>
        <translation>Ouvrir une photo</translation>
    </message>
    <message>
        <source>No Camera</source>
        <translation>Aucune caméra</translation>
    </message>
    <message>
        <source>No camera was found on this computer.</source>
        <translation>Aucune caméra n&apos;a été trouvée sur cet ordinateur.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save changes to the painting before taking a photo?</source>
        <translation>Enregistrer les modifications de la peinture avant de prendre une photo&#xa0;?</translation>
    </message>
    <message>
        <source>Save changes to the painting before opening %1?</source>
        <extracomment>%1 is the name of the file about to be opened.</extracomment>
        <translation>Enregistrer les modifications de la peinture avant d&apos;ouvrir %1&#xa0;?</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Effacer la liste</translation>
    </message>
    <message>
        <source>Vorlane Help</source>
        <translation>Aide de Vorlane</translation>
    </message>
    <message>
        <source>&amp;Rate Vorlane...</source>
        <translation>&amp;Noter Vorlane…</translation>
    </message>
    <message>
        <source>Rate Vorlane in your software centre</source>
        <translation>Noter Vorlane dans votre logithèque</translation>
    </message>
    <message>
        <source>&amp;More Apps...</source>
        <translation>P&amp;lus d&apos;applications…</translation>
    </message>
    <message>
        <source>Other free apps for pictures that you may like</source>
        <translation>D&apos;autres applications libres pour vos images, qui pourraient vous plaire</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>Plus d&apos;applications</translation>
    </message>
    <message>
        <source>No file manager could show the folder %1</source>
        <translation>Aucun gestionnaire de fichiers n&apos;a pu afficher le dossier %1</translation>
    </message>
    <message>
        <source>Picture copied, %1 × %2 px</source>
        <extracomment>%1 x %2 is the picture&apos;s size in pixels.</extracomment>
        <translation>Image copiée, %1 × %2&#xa0;px</translation>
    </message>
    <message>
        <source>No Mail Program</source>
        <translation>Aucun logiciel de messagerie</translation>
    </message>
    <message>
        <source>No mail program took the picture. Save it to your Pictures folder and attach it to a mail yourself?</source>
        <translation>Aucun logiciel de messagerie n&apos;a pris en charge l&apos;image. L&apos;enregistrer dans votre dossier Images pour la joindre vous-même à un courriel&#xa0;?</translation>
    </message>
    <message>
        <source>Save to Pictures</source>
        <translation>Enregistrer dans Images</translation>
    </message>
    <message>
        <source>No camera was found on this computer</source>
        <translation>Aucune caméra n&apos;a été trouvée sur cet ordinateur</translation>
    </message>
    <message>
        <source>Scroll &amp;Bars</source>
        <translation>&amp;Barres de défilement</translation>
    </message>
    <message>
        <source>Show scroll bars when the picture is larger than the window</source>
        <translation>Afficher les barres de défilement quand l&apos;image dépasse de la fenêtre</translation>
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
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Working size (%1)</source>
        <extracomment>%1 is a size in pixels, &quot;1280 × 960&quot;.</extracomment>
        <translation>Taille de &amp;travail (%1)</translation>
    </message>
    <message>
        <source>The &amp;photo&apos;s own size (%1)</source>
        <translation>Taille d&apos;origine de la &amp;photo (%1)</translation>
    </message>
    <message>
        <source>&amp;Longer side:</source>
        <translation>Côté le plus &amp;long&#xa0;:</translation>
    </message>
    <message>
        <source>Higher keeps more detail in a larger file</source>
        <translation>Plus elle est élevée, plus l&apos;image garde de détails et plus le fichier est lourd</translation>
    </message>
    <message>
        <source>JPEG &amp;quality:</source>
        <translation>&amp;Qualité JPEG&#xa0;:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Writes %1 pixels as %2.</source>
        <extracomment>%1 is a size in pixels, &quot;1280 × 960&quot;; %2 the file type, PNG or JPEG.</extracomment>
        <translation>Enregistre une image de %1 pixels en %2.</translation>
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
        <translation>Vous découvrez Vorlane&#xa0;? L&apos;aide explique comment peindre, zoomer et déplacer l&apos;image.</translation>
    </message>
    <message>
        <source>Show Help</source>
        <translation>Afficher l&apos;aide</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Rate It</source>
        <translation>Noter</translation>
    </message>
    <message>
        <source>More Apps…</source>
        <translation>Plus d&apos;applications…</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Enjoying Vorlane? Rate it in your software centre, or have a look at more free apps for your pictures.</source>
        <translation>Vorlane vous plaît&#xa0;? Notez-le dans votre logithèque, ou découvrez d&apos;autres applications libres pour vos images.</translation>
    </message>
    <message>
        <source>Enjoying Vorlane? A rating in your software centre helps others find it.</source>
        <translation>Vorlane vous plaît&#xa0;? Une note dans votre logithèque aide d&apos;autres personnes à le découvrir.</translation>
    </message>
    <message>
        <source>Enjoying Vorlane? Have a look at more free apps for your pictures.</source>
        <translation>Vorlane vous plaît&#xa0;? Découvrez d&apos;autres applications libres pour vos images.</translation>
    </message>
</context>
<context>
    <name>desktop::StylePanel</name>
    <message>
        <source>Styles</source>
        <translation>Styles</translation>
    </message>
    <message>
        <source>&amp;Sketch style</source>
        <translation>&amp;Style de croquis</translation>
    </message>
    <message>
        <source>How the sketch looks: the picture the painting starts from</source>
        <translation>L&apos;apparence du croquis&#xa0;: l&apos;image de départ de la peinture</translation>
    </message>
    <message>
        <source>&amp;Colour layer</source>
        <translation>&amp;Calque de couleur</translation>
    </message>
    <message>
        <source>What Paint Colour brings back: the photo itself, or the photo in a style</source>
        <translation>Ce que Peindre la couleur fait revenir&#xa0;: la photo elle-même, ou la photo dans un style</translation>
    </message>
</context>
<context>
    <name>desktop::TimelapseDialog</name>
    <message>
        <source>Export Time-lapse</source>
        <translation>Exporter un accéléré</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>The unit after the length in seconds.</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Length:</source>
        <translation>&amp;Durée&#xa0;:</translation>
    </message>
    <message>
        <source>Longer &amp;side:</source>
        <translation>Côté le plus &amp;long&#xa0;:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Writes %1 pixels, %2 s at %3 frames a second, as H.264 video (MP4).</source>
        <extracomment>%1 is a size in pixels, &quot;1280 × 960&quot;; %2 the length in seconds; %3 the frame rate.</extracomment>
        <translation>Enregistre une vidéo H.264 (MP4) de %1 pixels, %2&#xa0;s à %3 images par seconde.</translation>
    </message>
    <message>
        <source>Writes %1 pixels, %2 s at %3 frames a second, as animated WebP.</source>
        <translation>Enregistre un WebP animé de %1 pixels, %2&#xa0;s à %3 images par seconde.</translation>
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
        <translation>Zoom&#xa0;: saisissez un pourcentage et appuyez sur Entrée, ou choisissez-en un</translation>
    </message>
    <message>
        <source>Fit</source>
        <extracomment>The zoom box&apos;s choice that fits the picture to the window.</extracomment>
        <translation>Ajuster</translation>
    </message>
</context>
<context>
    <name>document</name>
    <message>
        <source>The dropped picture</source>
        <extracomment>A dropped picture without a file, first in &quot;The dropped picture could not be opened: ...&quot;.</extracomment>
        <translation>l&apos;image déposée</translation>
    </message>
    <message>
        <source>the H.264 encoder cannot start (%1)</source>
        <extracomment>Why a time-lapse cannot be written; %1 is the video library&apos;s reason.</extracomment>
        <translation>l&apos;encodeur H.264 ne peut pas démarrer (%1)</translation>
    </message>
    <message>
        <source>an MP4 frame needs even sides</source>
        <translation>les dimensions d&apos;une image MP4 doivent être paires</translation>
    </message>
    <message>
        <source>this system&apos;s libavcodec has no H.264 encoder</source>
        <translation>la bibliothèque libavcodec de ce système n&apos;a pas d&apos;encodeur H.264</translation>
    </message>
    <message>
        <source>libavformat has no MP4 muxer</source>
        <translation>libavformat n&apos;a pas de multiplexeur MP4</translation>
    </message>
    <message>
        <source>the frames cannot be converted to yuv420p</source>
        <translation>les images ne peuvent pas être converties en yuv420p</translation>
    </message>
    <message>
        <source>a frame does not match the video</source>
        <translation>une image ne correspond pas à la vidéo</translation>
    </message>
    <message>
        <source>the video cannot be encoded (%1)</source>
        <extracomment>Why a time-lapse cannot be written; %1 is the video library&apos;s reason.</extracomment>
        <translation>la vidéo ne peut pas être encodée (%1)</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>son dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>opération annulée</translation>
    </message>
    <message>
        <source>a style cannot be rendered</source>
        <translation>le rendu d&apos;un style est impossible</translation>
    </message>
    <message>
        <source>its photo does not match its painting</source>
        <extracomment>Why a painting cannot be opened or rendered: its stored photo is not the one it was painted on.</extracomment>
        <translation>sa photo ne correspond pas à sa peinture</translation>
    </message>
    <message>
        <source>its photo cannot be decoded</source>
        <translation>sa photo ne peut pas être décodée</translation>
    </message>
    <message>
        <source>not a Vorlane document</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot;.</extracomment>
        <translation>ce n&apos;est pas un document Vorlane</translation>
    </message>
    <message>
        <source>made by a newer version of Vorlane</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot;.</extracomment>
        <translation>document créé par une version plus récente de Vorlane</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot; (the file is damaged).</extracomment>
        <translation>fichier endommagé</translation>
    </message>
    <message>
        <source>too large</source>
        <extracomment>Why a painting cannot be opened or kept, after &quot;NAME could not be opened: &quot; (the painting is too large).</extracomment>
        <translation>peinture trop grande</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <extracomment>Why a painting cannot be opened or saved, after &quot;NAME could not be opened: &quot; (the file is in use).</extracomment>
        <translation>fichier utilisé par un autre programme</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot; (the file cannot be read).</extracomment>
        <translation>fichier illisible</translation>
    </message>
    <message>
        <source>its photo does not match its checksum</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot;.</extracomment>
        <translation>la photo du document ne correspond pas à sa somme de contrôle</translation>
    </message>
    <message>
        <source>does not exist</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot; (the file does not exist).</extracomment>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the folder cannot be written to</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>impossible d&apos;écrire dans le dossier</translation>
    </message>
    <message>
        <source>the painting holds values no document can have</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>la peinture contient des valeurs qu&apos;aucun document ne peut contenir</translation>
    </message>
    <message>
        <source>the session is closed</source>
        <translation>la session est fermée</translation>
    </message>
    <message>
        <source>the session has no file name</source>
        <translation>la session n&apos;a pas de nom de fichier</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <extracomment>Why a picture cannot be saved; %1 is the folder&apos;s path.</extracomment>
        <translation>le dossier %1 n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>there is no picture</source>
        <translation>il n&apos;y a aucune image</translation>
    </message>
    <message>
        <source>no free file name is left</source>
        <translation>aucun nom de fichier n&apos;est plus disponible</translation>
    </message>
    <message>
        <source>a picture can be saved as PNG (.png) or JPEG (.jpg) only</source>
        <translation>une image ne peut être enregistrée qu&apos;en PNG (.png) ou en JPEG (.jpg)</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>un dossier porte ce nom</translation>
    </message>
    <message>
        <source>the file %1 is read-only</source>
        <extracomment>Why a picture cannot be saved; %1 is the file&apos;s name.</extracomment>
        <translation>le fichier %1 est en lecture seule</translation>
    </message>
    <message>
        <source>Hello!</source>
        <extracomment>The subject and the whole text of a mail the picture is shared by.</extracomment>
        <translation>Bonjour&#xa0;!</translation>
    </message>
    <message>
        <source>the sketch texture is missing</source>
        <translation>la texture de croquis est introuvable</translation>
    </message>
    <message>
        <source>the sketch texture could not be scaled</source>
        <translation>la texture de croquis n&apos;a pas pu être redimensionnée</translation>
    </message>
    <message>
        <source>there is no photo</source>
        <translation>il n&apos;y a aucune photo</translation>
    </message>
    <message>
        <source>the photo raster could not be made</source>
        <translation>l&apos;image matricielle de la photo n&apos;a pas pu être créée</translation>
    </message>
    <message>
        <source>the result image could not be made</source>
        <translation>l&apos;image finale n&apos;a pas pu être créée</translation>
    </message>
    <message>
        <source>a time-lapse is written as .mp4 or .webp</source>
        <translation>un accéléré s&apos;enregistre au format .mp4 ou .webp</translation>
    </message>
    <message>
        <source>a time-lapse lasts %1 to %2 seconds</source>
        <extracomment>%1 and %2 are the shortest and longest time-lapse in seconds.</extracomment>
        <translation>un accéléré dure de %1 à %2 secondes</translation>
    </message>
    <message>
        <source>a time-lapse is at least %1 pixels on its longer side</source>
        <extracomment>%1 is the smallest longer side of a time-lapse, in pixels.</extracomment>
        <translation>le plus long côté d&apos;un accéléré mesure au moins %1 pixels</translation>
    </message>
    <message>
        <source>libwebp cannot start</source>
        <translation>libwebp ne peut pas démarrer</translation>
    </message>
    <message>
        <source>a frame does not match the animation</source>
        <translation>une image ne correspond pas à l&apos;animation</translation>
    </message>
    <message>
        <source>the animation cannot be encoded (%1)</source>
        <extracomment>Why a time-lapse cannot be written; %1 is the WebP library&apos;s reason.</extracomment>
        <translation>l&apos;animation ne peut pas être encodée (%1)</translation>
    </message>
    <message>
        <source>the animation cannot be encoded</source>
        <translation>l&apos;animation ne peut pas être encodée</translation>
    </message>
</context>
<context>
    <name>document::SketchDocument</name>
    <message>
        <source>Images (%1)</source>
        <extracomment>The open dialog&apos;s filter; %1 is the list of file patterns (&quot;*.jpg *.png ...&quot;).</extracomment>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>Cannot Open Photo</source>
        <translation>Impossible d&apos;ouvrir la photo</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <extracomment>%1 is the name of the file or picture, %2 the reason (a clause in lower case).</extracomment>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>the file is not a picture</source>
        <translation>le fichier n&apos;est pas une image</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>l&apos;image est vide</translation>
    </message>
    <message>
        <source>the picture could not be rendered</source>
        <translation>le rendu de l&apos;image a échoué</translation>
    </message>
    <message>
        <source>The camera picture</source>
        <extracomment>A picture from the camera, first in &quot;The camera picture could not be opened: ...&quot;.</extracomment>
        <translation>l&apos;image de la caméra</translation>
    </message>
    <message>
        <source>Not Exported</source>
        <translation>Échec de l&apos;exportation</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason (a clause in lower case).</extracomment>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>le fichier est trop volumineux</translation>
    </message>
    <message>
        <source>Cannot Open Painting</source>
        <translation>Impossible d&apos;ouvrir la peinture</translation>
    </message>
    <message>
        <source>it is open in Vorlane already</source>
        <translation>fichier déjà ouvert dans Vorlane</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>le fichier est endommagé</translation>
    </message>
    <message>
        <source>Painting Not Saved</source>
        <translation>Peinture non enregistrée</translation>
    </message>
    <message>
        <source>The painting could not be saved as %1: %2.</source>
        <extracomment>%1 is the document&apos;s file name, %2 the reason (a clause in lower case).</extracomment>
        <translation>Impossible d&apos;enregistrer la peinture sous %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>No Picture</source>
        <translation>Aucune image</translation>
    </message>
    <message>
        <source>Load a photo first.</source>
        <translation>Chargez d&apos;abord une photo.</translation>
    </message>
    <message>
        <source>Image Saved!</source>
        <translation>Image enregistrée&#xa0;!</translation>
    </message>
    <message>
        <source>The new image is saved to your album.</source>
        <translation>La nouvelle image a été enregistrée dans votre album.</translation>
    </message>
    <message>
        <source>The image could not be saved to your album: %1.</source>
        <extracomment>%1 is the reason (a clause in lower case).</extracomment>
        <translation>Impossible d&apos;enregistrer l&apos;image dans votre album&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The image could not be saved as %1: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason (a clause in lower case).</extracomment>
        <translation>Impossible d&apos;enregistrer l&apos;image sous %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Image Not Saved</source>
        <translation>Image non enregistrée</translation>
    </message>
    <message>
        <source>A picture made with Vorlane</source>
        <translation>Une image créée avec Vorlane</translation>
    </message>
    <message>
        <source>Cannot Share</source>
        <translation>Partage impossible</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Aucun logiciel de messagerie n&apos;a pu être lancé.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation>le nom de fichier est trop long</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <extracomment>Why a file cannot be opened; %1 is the system&apos;s reason.</extracomment>
        <translation>le fichier ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>plus d&apos;espace disponible sur le périphérique</translation>
    </message>
    <message>
        <source>file too large</source>
        <extracomment>Why a file cannot be written: it has reached the largest size allowed.</extracomment>
        <translation>fichier trop volumineux</translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <extracomment>Why a file cannot be written; %1 is the system&apos;s reason.</extracomment>
        <translation>le fichier ne peut pas être écrit (%1)</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete</source>
        <translation>le fichier est endommagé ou incomplet</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>l&apos;image est trop grande</translation>
    </message>
    <message>
        <source>memory ran out</source>
        <extracomment>Why a photo, a painting or a file could not be read, rendered or written.</extracomment>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>the picture is stored in a way that cannot be read</source>
        <translation>l&apos;image est enregistrée dans un format illisible</translation>
    </message>
    <message>
        <source>the file is not a picture</source>
        <translation>le fichier n&apos;est pas une image</translation>
    </message>
    <message>
        <source>the picture could not be scaled</source>
        <translation>l&apos;image n&apos;a pas pu être redimensionnée</translation>
    </message>
    <message>
        <source>%1 pixels is larger than the photo (%2 x %3)</source>
        <extracomment>Why a picture cannot be exported at the longer side asked for: %1 is that side, %2 x %3 the photo&apos;s own size, in pixels.</extracomment>
        <translation>%1 pixels dépassent la taille de la photo (%2 x %3)</translation>
    </message>
    <message>
        <source>there is no picture</source>
        <translation>il n&apos;y a aucune image</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>it cannot be written (%1)</source>
        <extracomment>Why a file cannot be saved; %1 is the system&apos;s or a library&apos;s reason.</extracomment>
        <translation>impossible d&apos;écrire le fichier (%1)</translation>
    </message>
</context>
<context>
    <name>platform::CameraCapture</name>
    <message>
        <source>Take Photo</source>
        <translation>Prendre une photo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>promo</name>
    <message>
        <source>How to</source>
        <translation>Mode d&apos;emploi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rate?</source>
        <translation>Votre avis&#xa0;?</translation>
    </message>
    <message>
        <source>Could you give us a rate and some suggestions to improve this App?</source>
        <translation>Pourriez-vous noter cette application et nous suggérer des améliorations&#xa0;?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
</context>
<context>
    <name>screen</name>
    <message>
        <source>No Camera!</source>
        <translation>Aucune caméra&#xa0;!</translation>
    </message>
    <message>
        <source>There is no Camera on this Device. You can load photo from your album.</source>
        <translation>Cet appareil n&apos;a pas de caméra. Vous pouvez charger une photo depuis votre album.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error accessing photo library</source>
        <translation>Erreur d&apos;accès à la photothèque</translation>
    </message>
    <message>
        <source>Device does not support a photo library</source>
        <translation>Cet appareil ne prend pas en charge de photothèque</translation>
    </message>
    <message>
        <source>Drat!</source>
        <translation>Zut&#xa0;!</translation>
    </message>
    <message>
        <source>Error accessing photo library!</source>
        <translation>Erreur d&apos;accès à la photothèque&#xa0;!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>screen::MainViewController</name>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sauver</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>vorlane</name>
    <message>
        <source>Turns a photo into a pencil sketch and lets you paint the colour back.</source>
        <translation>Transforme une photo en croquis au crayon à repeindre en couleur.</translation>
    </message>
    <message>
        <source>Layout: desktop (a resizable window with menus), phone (320 points wide) or tablet (768 x 1024). Default: phone on a portrait touch screen narrower than 600 pixels, desktop elsewhere.</source>
        <extracomment>Help of --profile. desktop, phone and tablet are the values it takes: keep them as they are.</extracomment>
        <translation>Disposition&#xa0;: desktop (fenêtre à menus redimensionnable), phone (320 points de large) ou tablet (768 x 1024). Par défaut&#xa0;: phone si écran tactile portrait &lt; 600 pixels, sinon desktop.</translation>
    </message>
    <message>
        <source>The phone layout&apos;s height (implies --profile phone).</source>
        <extracomment>Help of --screen-height. Keep &quot;--profile phone&quot; as it is: it is typed so.</extracomment>
        <translation>Hauteur de la disposition phone (implique --profile phone).</translation>
    </message>
    <message>
        <source>Enlarge the whole window by this factor, 0.25 to 8 (as QT_SCALE_FACTOR).</source>
        <extracomment>Help of --scale. QT_SCALE_FACTOR is an environment variable&apos;s name: keep it.</extracomment>
        <translation>Agrandit la fenêtre de ce facteur, de 0.25 à 8 (comme QT_SCALE_FACTOR).</translation>
    </message>
    <message>
        <source>A photo to open.</source>
        <extracomment>Help of the PHOTO argument.</extracomment>
        <translation>Une photo à ouvrir.</translation>
    </message>
    <message>
        <source>%1 takes desktop, phone or tablet, not %2</source>
        <extracomment>%1 is the option --profile; desktop, phone and tablet are the values it takes: keep them. %2 is what was given.</extracomment>
        <translation>%1 accepte desktop, phone ou tablet, pas %2</translation>
    </message>
    <message>
        <source>%1 takes 480 or 568, not %2</source>
        <extracomment>%1 is the option --screen-height; %2 what was given.</extracomment>
        <translation>%1 accepte 480 ou 568, pas %2</translation>
    </message>
    <message>
        <source>%1 takes a factor from 0.25 to 8, not %2</source>
        <extracomment>%1 is the option --scale; %2 what was given.</extracomment>
        <translation>%1 accepte un facteur de 0.25 à 8, pas %2</translation>
    </message>
    <message>
        <source>only one photo can be opened</source>
        <translation>une seule photo peut être ouverte</translation>
    </message>
    <message>
        <source>%1 applies to the phone profile only</source>
        <extracomment>%1 is the option --screen-height.</extracomment>
        <translation>%1 ne s&apos;applique qu&apos;au profil phone</translation>
    </message>
    <message>
        <source>Try &apos;vorlane --help&apos;.</source>
        <extracomment>Keep the command &quot;vorlane --help&quot; as it is.</extracomment>
        <translation>Essayez «&#xa0;vorlane --help&#xa0;».</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Vorlane developers.
License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <extracomment>The lines --version prints after the program&apos;s name and version. Keep the licence&apos;s name (GPL-3.0-or-later) and the address as they are.</extracomment>
        <translation>Copyright (C) 2026 les développeurs de Vorlane.
Licence GPL-3.0-or-later&#xa0;: GNU GPL v3 ou ultérieure &lt;https://gnu.org/licenses/gpl.html&gt;.
Ceci est un logiciel libre&#xa0;: vous êtes libre de le modifier et de le redistribuer.
Ce logiciel est fourni SANS AUCUNE GARANTIE, dans les limites permises par la loi.
</translation>
    </message>
</context>
<context>
    <name>vorlane-sketch</name>
    <message>
        <source>the folder cannot be read</source>
        <translation>le dossier ne peut pas être lu</translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos</source>
        <extracomment>Progress of a batch: %1 photos done of %n.</extracomment>
        <translation>
            <numerusform>%1/%n photo</numerusform>
            <numerusform>%1/%n photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos, %2 photos/s</source>
        <extracomment>Progress of a batch: %1 photos done of %n, at %2 photos a second.</extracomment>
        <translation>
            <numerusform>%1/%n photo, %2 photos/s</numerusform>
            <numerusform>%1/%n photos, %2 photos/s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos, %2 photos/s, %3 min %4 s left</source>
        <extracomment>Progress of a batch: %1 photos done of %n, at %2 photos a second, %3 minutes and %4 seconds left.</extracomment>
        <translation>
            <numerusform>%1/%n photo, %2 photos/s, reste %3&#xa0;min %4&#xa0;s</numerusform>
            <numerusform>%1/%n photos, %2 photos/s, reste %3&#xa0;min %4&#xa0;s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos, %2 photos/s, %3 s left</source>
        <extracomment>Progress of a batch: %1 photos done of %n, at %2 photos a second, %3 seconds left.</extracomment>
        <translation>
            <numerusform>%1/%n photo, %2 photos/s, reste %3&#xa0;s</numerusform>
            <numerusform>%1/%n photos, %2 photos/s, reste %3&#xa0;s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n photos failed</source>
        <extracomment>The batch&apos;s closing count: %1 of its %n photos failed.</extracomment>
        <translation>
            <numerusform>échecs&#xa0;: %1 sur %n photo</numerusform>
            <numerusform>échecs&#xa0;: %1 sur %n photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n photos already done, skipped</source>
        <extracomment>The batch&apos;s closing count: %1 of its %n photos were left out, their outputs there from an earlier run.</extracomment>
        <translation>
            <numerusform>ignorée car déjà traitée&#xa0;: %1 sur %n photo</numerusform>
            <numerusform>ignorées car déjà traitées&#xa0;: %1 sur %n photos</numerusform>
        </translation>
    </message>
    <message>
        <source>the picture cannot be encoded (%1)</source>
        <extracomment>%1 is the image encoder&apos;s reason.</extracomment>
        <translation>l&apos;image ne peut pas être encodée (%1)</translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <extracomment>%1 is the system&apos;s reason, e.g. &quot;No space left on device&quot;.</extracomment>
        <translation>le fichier ne peut pas être écrit (%1)</translation>
    </message>
    <message>
        <source>the file cannot be written (every numbered name is taken)</source>
        <extracomment>The batch names its outputs &quot;NAME.styleN.png&quot;, then &quot;NAME.styleN (2).png&quot;, and so on.</extracomment>
        <translation>écriture impossible (tous les noms numérotés sont pris)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A failure line (after the program&apos;s name): %1 is a file&apos;s path, %2 what went wrong with that file, e.g. &quot;the file does not exist&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no texture was given</source>
        <translation>aucune texture n&apos;a été indiquée</translation>
    </message>
    <message>
        <source>the texture cannot be made the photo&apos;s size</source>
        <translation>la texture ne peut pas être mise à la taille de la photo</translation>
    </message>
    <message>
        <source>names no sketch-brush texture</source>
        <extracomment>Said of the program&apos;s own list of data files.</extracomment>
        <translation>n&apos;indique aucune texture de pinceau à croquis</translation>
    </message>
    <message>
        <source>names the texture &quot;%1&quot;, which is missing</source>
        <extracomment>Said of the program&apos;s own list of data files; %1 is a picture&apos;s name.</extracomment>
        <translation>indique la texture «&#xa0;%1&#xa0;», qui est introuvable</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>the folder cannot be written (%1)</source>
        <extracomment>%1 is the system&apos;s reason, e.g. &quot;Permission denied&quot;.</extracomment>
        <translation>impossible d&apos;écrire dans le dossier (%1)</translation>
    </message>
    <message>
        <source>no photos among the inputs (a folder&apos;s pictures are taken by their extension)</source>
        <translation>aucune photo en entrée (un dossier fournit ses images selon leur extension)</translation>
    </message>
    <message>
        <source>holds no preview</source>
        <extracomment>Said of a Vorlane document, whose preview picture --thumbnail writes.</extracomment>
        <translation>ne contient pas d&apos;aperçu</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <extracomment>%1 is the system&apos;s or the image encoder&apos;s reason.</extracomment>
        <translation>ne peut pas être écrit (%1)</translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is an option, e.g. --jobs; %2 to %3 the numbers it takes; %4 what was given.</extracomment>
        <translation>%1 doit être un nombre de %2 à %3, pas «&#xa0;%4&#xa0;»</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <extracomment>%1 and %2 are options, e.g. --skip-existing and --out-dir: the first is taken only with the second.</extracomment>
        <translation>%1 s&apos;utilise avec %2</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <extracomment>%1 and %2 are options, e.g. --thumbnail and --style: the first is never taken with the second.</extracomment>
        <translation>%1 ne s&apos;utilise pas avec %2</translation>
    </message>
    <message>
        <source>Try &apos;vorlane-sketch --help&apos;.</source>
        <extracomment>Keep the command &quot;vorlane-sketch --help&quot; as it is.</extracomment>
        <translation>Essayez «&#xa0;vorlane-sketch --help&#xa0;».</translation>
    </message>
    <message>
        <source>Usage: vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT
  or:  vorlane-sketch --out-dir DIR [--style N|all] [OPTION]... INPUT...
  or:  vorlane-sketch --thumbnail SIZE DOCUMENT OUTPUT
  or:  vorlane-sketch --timelapse OUT.mp4|OUT.webp [--duration S] [--size N]
         DOCUMENT</source>
        <extracomment>The command&apos;s forms. Translate &quot;Usage:&quot; and &quot;or:&quot; only; keep the program&apos;s name, the options and the upper-case words (the files and values the command takes) as they are.</extracomment>
        <translation>Utilisation&#xa0;: vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT
  ou&#xa0;: vorlane-sketch --out-dir DIR [--style N|all] [OPTION]... INPUT...
  ou&#xa0;: vorlane-sketch --thumbnail SIZE DOCUMENT OUTPUT
  ou&#xa0;: vorlane-sketch --timelapse OUT.mp4|OUT.webp [--duration S] [--size N]
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
        <translation>Transforme des photos en croquis au crayon. Chaque photo est redressée
selon sa balise d&apos;orientation et ramenée à sa taille de travail&#xa0;: une
photo en paysage de plus de 1280 pixels de large est mise à 1280 pixels de
large (2560&#xa0;x&#xa0;1600 devient 1280&#xa0;x&#xa0;800)&#xa0;; une photo en portrait ou carrée
de plus de 1280 pixels de haut est mise à la plus grande largeur multiple
de 256 pixels qui garde sa hauteur à 1280 au plus (1200&#xa0;x&#xa0;1600 devient
768&#xa0;x&#xa0;1024)&#xa0;; les photos plus petites gardent leur taille.</translation>
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
        <translation>La première forme traite INPUT et écrit OUTPUT en PNG ou en JPEG, selon
son extension (.png, .jpg, .jpeg).
Avec --out-dir, chaque INPUT est une photo ou un dossier dont les images
sont prises (sur un seul niveau, selon leur extension), et chaque photo
est écrite dans DIR sous le nom NAME.styleN.png (ou .jpg). Un nom déjà
pris reçoit &quot; (2)&quot;, &quot; (3)&quot;, ...&#xa0;: aucun fichier n&apos;est jamais remplacé. Une
photo en échec est signalée sur une ligne et les autres continuent&#xa0;; dans
un terminal, une ligne de progression indique les photos traitées, les
photos par seconde et le temps restant.</translation>
    </message>
    <message>
        <source>Options:</source>
        <extracomment>The heading of the options&apos; list.</extracomment>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>sketch style 1 to 7 (default 1); 0 writes the prepared
photo; all (with --out-dir) writes styles 1 to 7 from
one decode</source>
        <extracomment>Help of --style N. Lines of at most 60 characters; keep &quot;all&quot; and --out-dir.</extracomment>
        <translation>style de croquis de 1 à 7 (par défaut 1)&#xa0;; 0 écrit la photo
préparée&#xa0;; all (avec --out-dir) écrit les styles 1 à 7 en un
seul décodage</translation>
    </message>
    <message>
        <source>pencil texture picture, stretched to each photo&apos;s size
(default: the built-in sketch-brush texture)</source>
        <extracomment>Help of --texture FILE. Lines of at most 60 characters.</extracomment>
        <translation>image de texture de crayon, étirée à la taille de chaque
photo (par défaut&#xa0;: la texture de pinceau à croquis
intégrée)</translation>
    </message>
    <message>
        <source>write the sketches into DIR (made when missing)</source>
        <extracomment>Help of --out-dir DIR. Lines of at most 60 characters; DIR as in the usage lines.</extracomment>
        <translation>écrit les croquis dans DIR (créé s&apos;il n&apos;existe pas)</translation>
    </message>
    <message>
        <source>with --out-dir, write only the outputs whose names
(NAME.styleN.png, then &quot; (2)&quot; for a second photo of
that name) are not in DIR yet; a photo with every
output there is not read</source>
        <extracomment>Help of --skip-existing. Lines of at most 60 characters; keep --out-dir, DIR, and the output names &quot;NAME.styleN.png&quot; and &quot; (2)&quot;.</extracomment>
        <translation>avec --out-dir, n&apos;écrit que les sorties dont les noms
(NAME.styleN.png, puis &quot; (2)&quot; pour une deuxième photo de ce
nom) ne sont pas encore dans DIR&#xa0;; une photo dont toutes les
sorties y sont déjà n&apos;est pas lue</translation>
    </message>
    <message>
        <source>png (default) or jpg, with --out-dir</source>
        <extracomment>Help of --format F. Keep png, jpg and --out-dir: they are typed as they are.</extracomment>
        <translation>png (par défaut) ou jpg, avec --out-dir</translation>
    </message>
    <message>
        <source>write the preview stored in the Vorlane document
DOCUMENT to OUTPUT as PNG, scaled down to fit SIZE x SIZE
(1 to 1024; never scaled up); nothing else of the
document is read</source>
        <extracomment>Help of --thumbnail SIZE. Lines of at most 60 characters; DOCUMENT, OUTPUT and SIZE as in the usage lines.</extracomment>
        <translation>écrit l&apos;aperçu stocké dans le document Vorlane DOCUMENT vers
OUTPUT en PNG, réduit pour tenir dans SIZE x SIZE (de 1 à
1024&#xa0;; jamais agrandi)&#xa0;; rien d&apos;autre du document n&apos;est lu</translation>
    </message>
    <message>
        <source>write the painting of the Vorlane document DOCUMENT as a
time-lapse video, H.264 (.mp4) or animated WebP (.webp),
30 frames a second: the sketch, the strokes in effect at
their painted pace (pauses over 1 s shortened), the
finished painting held for the last second</source>
        <extracomment>Help of --timelapse OUT. Lines of at most 60 characters; DOCUMENT as in the usage lines.</extracomment>
        <translation>écrit la peinture du document Vorlane DOCUMENT sous forme de
vidéo en accéléré, H.264 (.mp4) ou WebP animé (.webp), à 30
images par seconde&#xa0;: le croquis, puis les traits conservés à
leur rythme d&apos;origine (pauses de plus de 1&#xa0;s raccourcies),
et enfin la peinture terminée, affichée pendant la dernière
seconde</translation>
    </message>
    <message>
        <source>the time-lapse&apos;s length, 3 to 120 seconds (default 10)</source>
        <extracomment>Help of --duration S. Lines of at most 60 characters.</extracomment>
        <translation>durée de l&apos;accéléré, de 3 à 120 secondes (par défaut 10)</translation>
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
        <translation>working (par défaut)&#xa0;: la taille de travail décrite plus
haut&#xa0;; full&#xa0;: la taille d&apos;origine de la photo redressée (une
photo de plus de 64 Mpx, 8192 x 8192 pixels, est réduite
pour y tenir)&#xa0;; N&#xa0;: le plus long côté en pixels, de 256 à
8192 et au plus celui de la photo. Un rendu plus grand
ressemble à celui en taille de travail, avec les détails
plus fins de la photo&#xa0;; un document est rendu avec ses
traits à cette taille. Avec --timelapse&#xa0;: le plus long côté
de la vidéo, à partir de 16 (par défaut 1080&#xa0;; au plus celui
de la photo)</translation>
    </message>
    <message>
        <source>photos rendered at once (default: the number of cores, %1)</source>
        <extracomment>Help of --jobs N. %1 is the number of processor cores of this machine.</extracomment>
        <translation>photos traitées en parallèle (par défaut&#xa0;: le nombre de
cœurs, %1)</translation>
    </message>
    <message>
        <source>the memory the photos rendered at once may take together,
in megabytes (default: three quarters of the memory free
at the start); a photo that alone needs more still runs,
by itself</source>
        <extracomment>Help of --memory MB. Lines of at most 60 characters.</extracomment>
        <translation>mémoire que les photos traitées en parallèle peuvent occuper
ensemble, en mégaoctets (par défaut&#xa0;: les trois quarts de la
mémoire libre au démarrage)&#xa0;; une photo qui à elle seule en
demande plus est tout de même traitée, seule</translation>
    </message>
    <message>
        <source>JPEG quality 0 to 100 (default %1); for PNG the
compression effort 0 to 100 (default %2, the fastest;
100 gives the smallest file)</source>
        <extracomment>Help of --quality Q. Lines of at most 60 characters. %1 is the JPEG quality and %2 the PNG compression effort used when the option is not given.</extracomment>
        <translation>qualité JPEG de 0 à 100 (par défaut %1)&#xa0;; pour PNG, l&apos;effort
de compression de 0 à 100 (par défaut %2, le plus rapide&#xa0;;
100 donne le plus petit fichier)</translation>
    </message>
    <message>
        <source>show this text</source>
        <extracomment>Help of -h, --help.</extracomment>
        <translation>affiche ce texte</translation>
    </message>
    <message>
        <source>show the version and the licence</source>
        <extracomment>Help of -v, --version.</extracomment>
        <translation>affiche la version et la licence</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 a file cannot be read or written (some photos
failed), 2 usage error.</source>
        <extracomment>Lines of at most 78 characters.</extracomment>
        <translation>Code de sortie&#xa0;: 0 terminé, 1 un fichier ne peut pas être lu ou
écrit (certaines photos ont échoué), 2 erreur d&apos;utilisation.</translation>
    </message>
    <message>
        <source>%1 needs a value, not &quot;-&quot;</source>
        <extracomment>%1 is an option, e.g. --out-dir, given &quot;-&quot; where its value should be.</extracomment>
        <translation>%1 requiert une valeur, pas «&#xa0;-&#xa0;»</translation>
    </message>
    <message>
        <source>%1 needs a value, not the option &quot;%2&quot;</source>
        <extracomment>%1 is an option, e.g. --out-dir; %2 the option that came where its value should be.</extracomment>
        <translation>%1 requiert une valeur, pas l&apos;option «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <extracomment>%1 is the option as typed, e.g. --colour.</extracomment>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 takes one DOCUMENT and one OUTPUT</source>
        <extracomment>%1 is the option --thumbnail. DOCUMENT and OUTPUT are as in the usage lines of --help.</extracomment>
        <translation>%1 attend un DOCUMENT et un OUTPUT</translation>
    </message>
    <message>
        <source>%1 must be working, full or a longer side from %2 to %3 pixels (%3 x %3 is the 64 MP limit), not &quot;%4&quot;</source>
        <extracomment>%1 is the option --size; &quot;working&quot; and &quot;full&quot; are values it takes: keep them as they are.</extracomment>
        <translation>%1 attend working, full ou un plus long côté de %2 à %3 pixels (limite&#xa0;: %3 x %3, 64 Mpx), pas «&#xa0;%4&#xa0;»</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <extracomment>%1 is the option --out-dir, given an empty value.</extracomment>
        <translation>%1 requiert un dossier</translation>
    </message>
    <message>
        <source>%1 writes seven files: it needs %2</source>
        <extracomment>%1 is &quot;--style all&quot;, %2 the option --out-dir.</extracomment>
        <translation>%1 écrit sept fichiers&#xa0;: il requiert %2</translation>
    </message>
    <message>
        <source>the style must be a number from 0 to 7 or all, not &quot;%1&quot;</source>
        <extracomment>&quot;all&quot; is a value --style takes with --out-dir: keep it as it is. %1 is what was given.</extracomment>
        <translation>le style doit être un nombre de 0 à 7 ou all, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the style must be a number from 0 to 7, not &quot;%1&quot;</source>
        <extracomment>%1 is what was given for --style.</extracomment>
        <translation>le style doit être un nombre de 0 à 7, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <extracomment>%1 is the option --texture, given an empty value.</extracomment>
        <translation>%1 requiert un fichier</translation>
    </message>
    <message>
        <source>%1 must be a number of megabytes from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the option --memory; %2 to %3 the megabytes it takes; %4 what was given.</extracomment>
        <translation>%1 doit être un nombre de mégaoctets de %2 à %3, pas «&#xa0;%4&#xa0;»</translation>
    </message>
    <message>
        <source>%1 must be png or jpg, not &quot;%2&quot;</source>
        <extracomment>%1 is the option --format; &quot;png&quot; and &quot;jpg&quot; are the values it takes: keep them. %2 is what was given.</extracomment>
        <translation>%1 doit valoir png ou jpg, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>no INPUT given</source>
        <extracomment>INPUT is as in the usage lines of --help.</extracomment>
        <translation>aucun INPUT indiqué</translation>
    </message>
    <message>
        <source>%1 goes with %2; OUTPUT&apos;s extension gives the format</source>
        <extracomment>%1 is the option --format, %2 the option --out-dir; OUTPUT is as in the usage lines of --help.</extracomment>
        <translation>%1 s&apos;utilise avec %2&#xa0;; l&apos;extension d&apos;OUTPUT fixe le format</translation>
    </message>
    <message>
        <source>INPUT and OUTPUT are needed</source>
        <extracomment>INPUT and OUTPUT are as in the usage lines of --help.</extracomment>
        <translation>INPUT et OUTPUT sont requis</translation>
    </message>
    <message>
        <source>only one INPUT and one OUTPUT are taken (%1 takes many)</source>
        <extracomment>INPUT and OUTPUT are as in the usage lines of --help; %1 is the option --out-dir.</extracomment>
        <translation>un seul INPUT et un seul OUTPUT (%1 en accepte plusieurs)</translation>
    </message>
    <message>
        <source>OUTPUT must end in .png, .jpg or .jpeg: &quot;%1&quot;</source>
        <extracomment>OUTPUT is as in the usage lines of --help; %1 is the name given for it.</extracomment>
        <translation>OUTPUT doit se terminer par .png, .jpg ou .jpeg&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>OUTPUT is the same file as INPUT</source>
        <extracomment>OUTPUT and INPUT are as in the usage lines of --help.</extracomment>
        <translation>OUTPUT est le même fichier qu&apos;INPUT</translation>
    </message>
    <message>
        <source>OUTPUT is the same file as the texture</source>
        <extracomment>OUTPUT is as in the usage lines of --help; the texture is the picture --texture names.</extracomment>
        <translation>OUTPUT est le même fichier que la texture</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Said of OUTPUT when it names a folder, a device or the like.</extracomment>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 writes a .mp4 or .webp file, not &quot;%2&quot;</source>
        <extracomment>%1 is the option --timelapse; %2 the file name given to it.</extracomment>
        <translation>%1 écrit un fichier .mp4 ou .webp, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 must be a number of seconds from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the option --duration; %2 to %3 the seconds it takes; %4 what was given.</extracomment>
        <translation>%1 doit être un nombre de secondes de %2 à %3, pas «&#xa0;%4&#xa0;»</translation>
    </message>
    <message>
        <source>%1 takes one PAINTING</source>
        <extracomment>%1 is the option --timelapse; PAINTING is the Vorlane document it is made from.</extracomment>
        <translation>%1 n&apos;accepte qu&apos;un seul PAINTING</translation>
    </message>
    <message>
        <source>time-lapse %1%</source>
        <extracomment>Progress while the video is written: %1 is how much is done, in percent.</extracomment>
        <translation>accéléré %1&#xa0;%</translation>
    </message>
</context>
</TS>
