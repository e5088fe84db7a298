<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Localizable</name>
    <message>
        <source>You can give your photos a dramatic effect by converting them to sketch(from PhotoB), while keeping the region and details that you choose in color(from PhotoA).
1. Use your finger as a brush to &apos;paint&apos; area of the sketch image, or to bring back the original color.
2. Move photo by two-finger move.
3. Zooming in and out by two-finger pinching.</source>
        <comment>HelpText</comment>
        <translation>Dê um efeito dramático às suas fotos transformando-as em esboço (foto B), mantendo em cores as áreas e os detalhes que você escolher (foto A).
1. Use o dedo como pincel para “pintar” áreas do esboço ou trazer de volta a cor original.
2. Mova a foto arrastando com dois dedos.
3. Amplie e reduza fazendo o gesto de pinça com dois dedos.</translation>
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
        <translation>O Vorlane transforma sua foto em um esboço a lápis e permite pintar a cor da foto de volta onde você quiser.

Pintar: arraste com o botão esquerdo do mouse sobre a imagem. Com Pintar cor (A), a cor aparece; com Restaurar esboço (B), o esboço volta.
Tamanho do pincel: o controle deslizante na barra de ferramentas ou as teclas [ e ]. O círculo sob o ponteiro mostra o pincel.
Zoom: a roda do mouse ou o gesto de pinça no touchpad amplia e reduz em torno do ponteiro; Ctrl++ e Ctrl+- ampliam e reduzem, Ctrl+0 ajusta a imagem à janela e Ctrl+1 mostra a imagem em tamanho real.
Mover a imagem: arraste com o botão direito ou com o botão do meio do mouse.
Comparar: mantenha pressionada a tecla de barra invertida (\) para ver só a camada de cor.
Desfaça e refaça traços inteiros com Ctrl+Z e Ctrl+Shift+Z.
No painel Estilos, Estilo do esboço define a aparência do esboço, e Camada de cor define o que Pintar cor traz de volta: a própria foto ou a foto em um estilo.
Copie a imagem com Ctrl+C; salve a pintura com Ctrl+S.</translation>
    </message>
    <message>
        <source>Get it</source>
        <comment>Get it</comment>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>More</source>
        <comment>More</comment>
        <translation>Mais</translation>
    </message>
    <message>
        <source>Next time</source>
        <comment>Next time</comment>
        <translation>Mais tarde</translation>
    </message>
    <message>
        <source>Photo</source>
        <comment>StyleName0</comment>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Pencil</source>
        <comment>StyleName1</comment>
        <translation>Lápis</translation>
    </message>
    <message>
        <source>Sharp Pencil</source>
        <comment>StyleName2</comment>
        <translation>Lápis afiado</translation>
    </message>
    <message>
        <source>Outline</source>
        <comment>StyleName3</comment>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Chalk</source>
        <comment>StyleName4</comment>
        <translation>Giz</translation>
    </message>
    <message>
        <source>Relief</source>
        <comment>StyleName5</comment>
        <translation>Relevo</translation>
    </message>
    <message>
        <source>Emboss</source>
        <comment>StyleName6</comment>
        <translation>Alto-relevo</translation>
    </message>
    <message>
        <source>Deboss</source>
        <comment>StyleName7</comment>
        <translation>Baixo-relevo</translation>
    </message>
</context>
<context>
    <name>canvas::CanvasCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Undo the last stroke</source>
        <translation>Desfazer o último traço</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Redo the stroke undone last</source>
        <translation>Refazer o último traço desfeito</translation>
    </message>
    <message>
        <source>&amp;Paint Colour</source>
        <translation>&amp;Pintar cor</translation>
    </message>
    <message>
        <source>Paint the colour back over the sketch (A)</source>
        <translation>Pintar a cor de volta sobre o esboço (A)</translation>
    </message>
    <message>
        <source>&amp;Restore Sketch</source>
        <translation>&amp;Restaurar esboço</translation>
    </message>
    <message>
        <source>Bring the sketch back (B)</source>
        <translation>Trazer o esboço de volta (B)</translation>
    </message>
    <message>
        <source>&amp;Bigger Brush</source>
        <translation>Pincel &amp;maior</translation>
    </message>
    <message>
        <source>Make the brush larger</source>
        <translation>Aumentar o pincel</translation>
    </message>
    <message>
        <source>&amp;Smaller Brush</source>
        <translation>Pincel m&amp;enor</translation>
    </message>
    <message>
        <source>Make the brush smaller</source>
        <translation>Diminuir o pincel</translation>
    </message>
</context>
<context>
    <name>canvas::VorlaneView</name>
    <message>
        <source>Brush Size：</source>
        <extracomment>Ends in a full-width colon (U+FF1A), as the label was first drawn.</extracomment>
        <translation>Pincel：</translation>
    </message>
</context>
<context>
    <name>desktop::DesktopWindow</name>
    <message>
        <source>&lt;p style=&apos;font-size:x-large&apos;&gt;Open a photo to begin.&lt;/p&gt;&lt;p&gt;File &amp;rsaquo; Open&amp;hellip; (Ctrl+O), or drop a photo here.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:x-large&apos;&gt;Abra uma foto para começar.&lt;/p&gt;&lt;p&gt;Arquivo &amp;rsaquo; Abrir&amp;hellip; (Ctrl+O), ou solte uma foto aqui.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>No photo</source>
        <translation>Nenhuma foto</translation>
    </message>
    <message>
        <source>%1  %2 × %3 px</source>
        <extracomment>The status bar&apos;s photo: %1 its name, %2 x %3 its size in pixels.</extracomment>
        <translation>%1  %2 × %3 px</translation>
    </message>
    <message>
        <source>Brush %1 px</source>
        <translation>Pincel %1 px</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>%1 is the saved file&apos;s path.</extracomment>
        <translation>Salvo em %1</translation>
    </message>
    <message>
        <source>Save changes to the painting before quitting?</source>
        <translation>Salvar as alterações na pintura antes de sair?</translation>
    </message>
    <message>
        <source>Save changes to the painting before opening the dropped picture?</source>
        <translation>Salvar as alterações na pintura antes de abrir a imagem arrastada?</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open a photo from a file</source>
        <translation>Abrir uma foto de um arquivo</translation>
    </message>
    <message>
        <source>&amp;Take Photo...</source>
        <translation>&amp;Tirar foto...</translation>
    </message>
    <message>
        <source>Take a photo with the camera</source>
        <translation>Tirar uma foto com a câmera</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save the painting as a Vorlane document</source>
        <translation>Salvar a pintura como documento do Vorlane</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar c&amp;omo...</translation>
    </message>
    <message>
        <source>Save the painting as a Vorlane document of another name</source>
        <translation>Salvar a pintura como documento do Vorlane com outro nome</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>Write the picture as a PNG or JPEG file</source>
        <translation>Gravar a imagem como arquivo PNG ou JPEG</translation>
    </message>
    <message>
        <source>Export A&amp;gain</source>
        <translation>Exportar &amp;novamente</translation>
    </message>
    <message>
        <source>Write the picture to the file exported last</source>
        <translation>Gravar a imagem no último arquivo exportado</translation>
    </message>
    <message>
        <source>Export Time-&amp;lapse...</source>
        <translation>Exportar time-&amp;lapse...</translation>
    </message>
    <message>
        <source>Write a short film of the painting being made (MP4 or animated WebP)</source>
        <translation>Gravar um vídeo curto da pintura sendo feita (MP4 ou WebP animado)</translation>
    </message>
    <message>
        <source>Save to &amp;Pictures</source>
        <translation>Salvar em &amp;Imagens</translation>
    </message>
    <message>
        <source>Save the picture to the Vorlane folder in Pictures</source>
        <translation>Salvar a imagem na pasta Vorlane, dentro de Imagens</translation>
    </message>
    <message>
        <source>Share by &amp;Mail...</source>
        <translation>Enviar por e-&amp;mail...</translation>
    </message>
    <message>
        <source>Attach the picture to a new mail</source>
        <translation>Anexar a imagem a um novo e-mail</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Quit Vorlane</source>
        <translation>Sair do Vorlane</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Show the picture larger</source>
        <translation>Mostrar a imagem maior</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>Show the picture smaller</source>
        <translation>Mostrar a imagem menor</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>A&amp;justar à janela</translation>
    </message>
    <message>
        <source>Show the whole picture as large as the window allows</source>
        <translation>Mostrar a imagem inteira no maior tamanho que a janela permitir</translation>
    </message>
    <message>
        <source>&amp;Actual Pixels</source>
        <translation>&amp;Tamanho real</translation>
    </message>
    <message>
        <source>Show one picture pixel per screen pixel</source>
        <translation>Mostrar um pixel da imagem por pixel da tela</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparar</translation>
    </message>
    <message>
        <source>Show the colour layer alone (or hold the \ key)</source>
        <translation>Mostrar só a camada de cor (ou mantenha a tecla \ pressionada)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the picture to the clipboard</source>
        <translation>Copiar a imagem para a área de transferência</translation>
    </message>
    <message>
        <source>Pe&amp;n Pressure</source>
        <translation>Pressão da ca&amp;neta</translation>
    </message>
    <message>
        <source>A pen tablet&apos;s pressure sets the brush width, from a quarter to all of it</source>
        <translation>A pressão da caneta na mesa digitalizadora define a largura do pincel, de um quarto até a largura total</translation>
    </message>
    <message>
        <source>Vorlane &amp;Help</source>
        <translation>&amp;Ajuda do Vorlane</translation>
    </message>
    <message>
        <source>How to paint, zoom and move the picture</source>
        <translation>Como pintar, usar o zoom e mover a imagem</translation>
    </message>
    <message>
        <source>&amp;About Vorlane</source>
        <translation>&amp;Sobre o Vorlane</translation>
    </message>
    <message>
        <source>Version, licence and credits</source>
        <translation>Versão, licença e créditos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir re&amp;cente</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Styles Panel</source>
        <translation>Painel de &amp;estilos</translation>
    </message>
    <message>
        <source>Show or hide the list of styles</source>
        <translation>Mostrar ou ocultar a lista de estilos</translation>
    </message>
    <message>
        <source>&amp;Brush</source>
        <translation>&amp;Pincel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source> Brush size </source>
        <translation> Pincel </translation>
    </message>
    <message>
        <source>Brush size ([ and ])</source>
        <translation>Tamanho do pincel ([ e ])</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Hold to show the colour layer alone</source>
        <translation>Mantenha pressionado para ver só a camada de cor</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Undo Stroke</source>
        <translation>&amp;Desfazer traço</translation>
    </message>
    <message>
        <source>&amp;Undo Style Change</source>
        <translation>&amp;Desfazer mudança de estilo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;Redo Stroke</source>
        <translation>&amp;Refazer traço</translation>
    </message>
    <message>
        <source>&amp;Redo Style Change</source>
        <translation>&amp;Refazer mudança de estilo</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>The toolbar&apos;s short word for Edit &gt; Undo.</extracomment>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>The toolbar&apos;s short word for Edit &gt; Redo.</extracomment>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Undo the style change</source>
        <translation>Desfazer a mudança de estilo</translation>
    </message>
    <message>
        <source>Undo the last stroke</source>
        <translation>Desfazer o último traço</translation>
    </message>
    <message>
        <source>Redo the style change</source>
        <translation>Refazer a mudança de estilo</translation>
    </message>
    <message>
        <source>Redo the stroke undone last</source>
        <translation>Refazer o último traço desfeito</translation>
    </message>
    <message>
        <source>About Vorlane</source>
        <translation>Sobre o Vorlane</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Vorlane %1&lt;/h3&gt;&lt;p&gt;Turns a photo into a pencil sketch and lets you paint the colour back.&lt;/p&gt;&lt;p&gt;Vorlane is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version.&lt;/p&gt;&lt;p&gt;Sample photo: astronaut Eileen Collins, NASA (public domain).&lt;/p&gt;</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>&lt;h3&gt;Vorlane %1&lt;/h3&gt;&lt;p&gt;Transforma uma foto em um esboço a lápis e permite pintar a cor de volta.&lt;/p&gt;&lt;p&gt;O Vorlane é software livre: você pode redistribuí-lo e/ou modificá-lo sob os termos da Licença Pública Geral GNU, versão 3 ou (a seu critério) qualquer versão posterior.&lt;/p&gt;&lt;p&gt;Foto de exemplo: astronauta Eileen Collins, NASA (domínio público).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Save Painting</source>
        <translation>Salvar pintura</translation>
    </message>
    <message>
        <source>Vorlane painting (*.vorlane)</source>
        <translation>Pintura do Vorlane (*.vorlane)</translation>
    </message>
    <message>
        <source>Painting</source>
        <extracomment>The file name offered for a painting of no photo name.</extracomment>
        <translation>Pintura</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>JPEG image (*.jpg *.jpeg)</source>
        <translation>Imagem JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagem</translation>
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
        <translation>Exportação cancelada: nada foi gravado</translation>
    </message>
    <message>
        <source>Recover Painting</source>
        <translation>Recuperar pintura</translation>
    </message>
    <message>
        <source>Recover the painting of %1 from %2?</source>
        <extracomment>%1 is the photo&apos;s name, %2 the date and time the painting was last changed.</extracomment>
        <translation>Recuperar a pintura de %1, alterada em %2?</translation>
    </message>
    <message>
        <source>Vorlane ended without closing it. Discarded paintings cannot be brought back.</source>
        <translation>O Vorlane foi encerrado sem fechá-la. Pinturas descartadas não podem ser recuperadas.</translation>
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
        <translation>Se você não salvar, suas alterações serão perdidas.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Save changes to the painting before opening another photo?</source>
        <translation>Salvar as alterações na pintura antes de abrir outra foto?</translation>
    </message>
    <message>
        <source>All supported (*.vorlane %1)</source>
        <translation>Todos os formatos suportados (*.vorlane %1)</translation>
    </message>
    <message>
        <source>Vorlane paintings (*.vorlane)</source>
        <translation>Pinturas do Vorlane (*.vorlane)</translation>
    </message>
    <message>
        <source>Open Photo</source>
        <translation>Abrir foto</translation>
    </message>
    <message>
        <source>No Camera</source>
        <translation>Nenhuma câmera</translation>
    </message>
    <message>
        <source>No camera was found on this computer.</source>
        <translation>Nenhuma câmera foi encontrada neste computador.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save changes to the painting before taking a photo?</source>
        <translation>Salvar as alterações na pintura antes de tirar uma foto?</translation>
    </message>
    <message>
        <source>Save changes to the painting before opening %1?</source>
        <extracomment>%1 is the name of the file about to be opened.</extracomment>
        <translation>Salvar as alterações na pintura antes de abrir %1?</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Limpar menu</translation>
    </message>
    <message>
        <source>Vorlane Help</source>
        <translation>Ajuda do Vorlane</translation>
    </message>
    <message>
        <source>&amp;Rate Vorlane...</source>
        <translation>A&amp;valiar o Vorlane...</translation>
    </message>
    <message>
        <source>Rate Vorlane in your software centre</source>
        <translation>Avaliar o Vorlane na sua central de programas</translation>
    </message>
    <message>
        <source>&amp;More Apps...</source>
        <translation>&amp;Mais aplicativos...</translation>
    </message>
    <message>
        <source>Other free apps for pictures that you may like</source>
        <translation>Outros aplicativos gratuitos de imagem de que você pode gostar</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>Mais aplicativos</translation>
    </message>
    <message>
        <source>No file manager could show the folder %1</source>
        <translation>Nenhum gerenciador de arquivos conseguiu mostrar a pasta %1</translation>
    </message>
    <message>
        <source>Picture copied, %1 × %2 px</source>
        <extracomment>%1 x %2 is the picture&apos;s size in pixels.</extracomment>
        <translation>Imagem copiada, %1 × %2 px</translation>
    </message>
    <message>
        <source>No Mail Program</source>
        <translation>Nenhum programa de e-mail</translation>
    </message>
    <message>
        <source>No mail program took the picture. Save it to your Pictures folder and attach it to a mail yourself?</source>
        <translation>Nenhum programa de e-mail aceitou a imagem. Salvá-la na sua pasta Imagens para você mesmo anexá-la a um e-mail?</translation>
    </message>
    <message>
        <source>Save to Pictures</source>
        <translation>Salvar em Imagens</translation>
    </message>
    <message>
        <source>No camera was found on this computer</source>
        <translation>Nenhuma câmera foi encontrada neste computador</translation>
    </message>
    <message>
        <source>Scroll &amp;Bars</source>
        <translation>&amp;Barras de rolagem</translation>
    </message>
    <message>
        <source>Show scroll bars when the picture is larger than the window</source>
        <translation>Mostrar barras de rolagem quando a imagem for maior que a janela</translation>
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
        <translation>Exportar imagem</translation>
    </message>
    <message>
        <source>&amp;Working size (%1)</source>
        <extracomment>%1 is a size in pixels, &quot;1280 × 960&quot;.</extracomment>
        <translation>&amp;Tamanho de trabalho (%1)</translation>
    </message>
    <message>
        <source>The &amp;photo&apos;s own size (%1)</source>
        <translation>Tamanho original da &amp;foto (%1)</translation>
    </message>
    <message>
        <source>&amp;Longer side:</source>
        <translation>&amp;Lado maior:</translation>
    </message>
    <message>
        <source>Higher keeps more detail in a larger file</source>
        <translation>Valores maiores mantêm mais detalhes, em um arquivo maior</translation>
    </message>
    <message>
        <source>JPEG &amp;quality:</source>
        <translation>&amp;Qualidade JPEG:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Writes %1 pixels as %2.</source>
        <extracomment>%1 is a size in pixels, &quot;1280 × 960&quot;; %2 the file type, PNG or JPEG.</extracomment>
        <translation>Grava %1 pixels em %2.</translation>
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
        <translation>Novo no Vorlane? A ajuda mostra como pintar, usar o zoom e mover a imagem.</translation>
    </message>
    <message>
        <source>Show Help</source>
        <translation>Mostrar ajuda</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Dispensar</translation>
    </message>
    <message>
        <source>Rate It</source>
        <translation>Avaliar</translation>
    </message>
    <message>
        <source>More Apps…</source>
        <translation>Mais aplicativos…</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Agora não</translation>
    </message>
    <message>
        <source>Enjoying Vorlane? Rate it in your software centre, or have a look at more free apps for your pictures.</source>
        <translation>Está gostando do Vorlane? Avalie-o na sua central de programas ou conheça mais aplicativos gratuitos para suas imagens.</translation>
    </message>
    <message>
        <source>Enjoying Vorlane? A rating in your software centre helps others find it.</source>
        <translation>Está gostando do Vorlane? Uma avaliação na sua central de programas ajuda outras pessoas a encontrá-lo.</translation>
    </message>
    <message>
        <source>Enjoying Vorlane? Have a look at more free apps for your pictures.</source>
        <translation>Está gostando do Vorlane? Conheça mais aplicativos gratuitos para suas imagens.</translation>
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
        <translation>E&amp;stilo do esboço</translation>
    </message>
    <message>
        <source>How the sketch looks: the picture the painting starts from</source>
        <translation>A aparência do esboço: a imagem da qual a pintura parte</translation>
    </message>
    <message>
        <source>&amp;Colour layer</source>
        <translation>&amp;Camada de cor</translation>
    </message>
    <message>
        <source>What Paint Colour brings back: the photo itself, or the photo in a style</source>
        <translation>O que Pintar cor traz de volta: a própria foto ou a foto em um estilo</translation>
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
        <translation>&amp;Duração:</translation>
    </message>
    <message>
        <source>Longer &amp;side:</source>
        <translation>&amp;Lado maior:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Writes %1 pixels, %2 s at %3 frames a second, as H.264 video (MP4).</source>
        <extracomment>%1 is a size in pixels, &quot;1280 × 960&quot;; %2 the length in seconds; %3 the frame rate.</extracomment>
        <translation>Grava %1 pixels, %2 s a %3 quadros por segundo, em vídeo H.264 (MP4).</translation>
    </message>
    <message>
        <source>Writes %1 pixels, %2 s at %3 frames a second, as animated WebP.</source>
        <translation>Grava %1 pixels, %2 s a %3 quadros por segundo, em WebP animado.</translation>
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
        <translation>Zoom: digite uma porcentagem e pressione Enter, ou escolha uma</translation>
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
        <translation>A imagem arrastada</translation>
    </message>
    <message>
        <source>the H.264 encoder cannot start (%1)</source>
        <extracomment>Why a time-lapse cannot be written; %1 is the video library&apos;s reason.</extracomment>
        <translation>o codificador H.264 não pode ser iniciado (%1)</translation>
    </message>
    <message>
        <source>an MP4 frame needs even sides</source>
        <translation>um quadro MP4 precisa ter largura e altura pares</translation>
    </message>
    <message>
        <source>this system&apos;s libavcodec has no H.264 encoder</source>
        <translation>a libavcodec deste sistema não tem codificador H.264</translation>
    </message>
    <message>
        <source>libavformat has no MP4 muxer</source>
        <translation>a libavformat não tem multiplexador MP4</translation>
    </message>
    <message>
        <source>the frames cannot be converted to yuv420p</source>
        <translation>os quadros não podem ser convertidos para yuv420p</translation>
    </message>
    <message>
        <source>a frame does not match the video</source>
        <translation>um quadro não corresponde ao vídeo</translation>
    </message>
    <message>
        <source>the video cannot be encoded (%1)</source>
        <extracomment>Why a time-lapse cannot be written; %1 is the video library&apos;s reason.</extracomment>
        <translation>o vídeo não pode ser codificado (%1)</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>a pasta não existe</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>operação cancelada</translation>
    </message>
    <message>
        <source>a style cannot be rendered</source>
        <translation>um estilo não pode ser renderizado</translation>
    </message>
    <message>
        <source>its photo does not match its painting</source>
        <extracomment>Why a painting cannot be opened or rendered: its stored photo is not the one it was painted on.</extracomment>
        <translation>a foto não corresponde à pintura</translation>
    </message>
    <message>
        <source>its photo cannot be decoded</source>
        <translation>a foto não pode ser decodificada</translation>
    </message>
    <message>
        <source>not a Vorlane document</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot;.</extracomment>
        <translation>não é um documento do Vorlane</translation>
    </message>
    <message>
        <source>made by a newer version of Vorlane</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot;.</extracomment>
        <translation>foi criado por uma versão mais recente do Vorlane</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot; (the file is damaged).</extracomment>
        <translation>o arquivo está danificado</translation>
    </message>
    <message>
        <source>too large</source>
        <extracomment>Why a painting cannot be opened or kept, after &quot;NAME could not be opened: &quot; (the painting is too large).</extracomment>
        <translation>a pintura é grande demais</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <extracomment>Why a painting cannot be opened or saved, after &quot;NAME could not be opened: &quot; (the file is in use).</extracomment>
        <translation>o arquivo está em uso por outro programa</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot; (the file cannot be read).</extracomment>
        <translation>o arquivo não pode ser lido</translation>
    </message>
    <message>
        <source>its photo does not match its checksum</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot;.</extracomment>
        <translation>a foto não corresponde à soma de verificação</translation>
    </message>
    <message>
        <source>does not exist</source>
        <extracomment>Why a painting cannot be opened, after &quot;NAME could not be opened: &quot; (the file does not exist).</extracomment>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the folder cannot be written to</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>não é possível gravar na pasta</translation>
    </message>
    <message>
        <source>the painting holds values no document can have</source>
        <extracomment>Why a painting cannot be saved, after &quot;The painting could not be saved as NAME: &quot;.</extracomment>
        <translation>a pintura contém valores que nenhum documento pode ter</translation>
    </message>
    <message>
        <source>the session is closed</source>
        <translation>a sessão está fechada</translation>
    </message>
    <message>
        <source>the session has no file name</source>
        <translation>a sessão não tem nome de arquivo</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <extracomment>Why a picture cannot be saved; %1 is the folder&apos;s path.</extracomment>
        <translation>não foi possível criar a pasta %1</translation>
    </message>
    <message>
        <source>there is no picture</source>
        <translation>não há imagem</translation>
    </message>
    <message>
        <source>no free file name is left</source>
        <translation>não resta nenhum nome de arquivo livre</translation>
    </message>
    <message>
        <source>a picture can be saved as PNG (.png) or JPEG (.jpg) only</source>
        <translation>uma imagem só pode ser salva como PNG (.png) ou JPEG (.jpg)</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>já existe uma pasta com esse nome</translation>
    </message>
    <message>
        <source>the file %1 is read-only</source>
        <extracomment>Why a picture cannot be saved; %1 is the file&apos;s name.</extracomment>
        <translation>o arquivo %1 é somente leitura</translation>
    </message>
    <message>
        <source>Hello!</source>
        <extracomment>The subject and the whole text of a mail the picture is shared by.</extracomment>
        <translation>Olá!</translation>
    </message>
    <message>
        <source>the sketch texture is missing</source>
        <translation>a textura do esboço está faltando</translation>
    </message>
    <message>
        <source>the sketch texture could not be scaled</source>
        <translation>a textura do esboço não pôde ser redimensionada</translation>
    </message>
    <message>
        <source>there is no photo</source>
        <translation>não há foto</translation>
    </message>
    <message>
        <source>the photo raster could not be made</source>
        <translation>não foi possível criar a matriz de pixels da foto</translation>
    </message>
    <message>
        <source>the result image could not be made</source>
        <translation>não foi possível criar a imagem resultante</translation>
    </message>
    <message>
        <source>a time-lapse is written as .mp4 or .webp</source>
        <translation>um time-lapse é gravado como .mp4 ou .webp</translation>
    </message>
    <message>
        <source>a time-lapse lasts %1 to %2 seconds</source>
        <extracomment>%1 and %2 are the shortest and longest time-lapse in seconds.</extracomment>
        <translation>um time-lapse dura de %1 a %2 segundos</translation>
    </message>
    <message>
        <source>a time-lapse is at least %1 pixels on its longer side</source>
        <extracomment>%1 is the smallest longer side of a time-lapse, in pixels.</extracomment>
        <translation>um time-lapse tem pelo menos %1 pixels no lado maior</translation>
    </message>
    <message>
        <source>libwebp cannot start</source>
        <translation>a libwebp não pode ser iniciada</translation>
    </message>
    <message>
        <source>a frame does not match the animation</source>
        <translation>um quadro não corresponde à animação</translation>
    </message>
    <message>
        <source>the animation cannot be encoded (%1)</source>
        <extracomment>Why a time-lapse cannot be written; %1 is the WebP library&apos;s reason.</extracomment>
        <translation>a animação não pode ser codificada (%1)</translation>
    </message>
    <message>
        <source>the animation cannot be encoded</source>
        <translation>a animação não pode ser codificada</translation>
    </message>
</context>
<context>
    <name>document::SketchDocument</name>
    <message>
        <source>Images (%1)</source>
        <extracomment>The open dialog&apos;s filter; %1 is the list of file patterns (&quot;*.jpg *.png ...&quot;).</extracomment>
        <translation>Imagens (%1)</translation>
    </message>
    <message>
        <source>Cannot Open Photo</source>
        <translation>Não foi possível abrir a foto</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <extracomment>%1 is the name of the file or picture, %2 the reason (a clause in lower case).</extracomment>
        <translation>Não foi possível abrir %1: %2.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>the file is not a picture</source>
        <translation>o arquivo não é uma imagem</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>a imagem está vazia</translation>
    </message>
    <message>
        <source>the picture could not be rendered</source>
        <translation>a imagem não pôde ser renderizada</translation>
    </message>
    <message>
        <source>The camera picture</source>
        <extracomment>A picture from the camera, first in &quot;The camera picture could not be opened: ...&quot;.</extracomment>
        <translation>A imagem da câmera</translation>
    </message>
    <message>
        <source>Not Exported</source>
        <translation>Falha na exportação</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason (a clause in lower case).</extracomment>
        <translation>Não foi possível gravar %1: %2.</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>o arquivo é grande demais</translation>
    </message>
    <message>
        <source>Cannot Open Painting</source>
        <translation>Não foi possível abrir a pintura</translation>
    </message>
    <message>
        <source>it is open in Vorlane already</source>
        <translation>o arquivo já está aberto no Vorlane</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>o arquivo está danificado</translation>
    </message>
    <message>
        <source>Painting Not Saved</source>
        <translation>Pintura não salva</translation>
    </message>
    <message>
        <source>The painting could not be saved as %1: %2.</source>
        <extracomment>%1 is the document&apos;s file name, %2 the reason (a clause in lower case).</extracomment>
        <translation>Não foi possível salvar a pintura como %1: %2.</translation>
    </message>
    <message>
        <source>No Picture</source>
        <translation>Nenhuma imagem</translation>
    </message>
    <message>
        <source>Load a photo first.</source>
        <translation>Abra uma foto primeiro.</translation>
    </message>
    <message>
        <source>Image Saved!</source>
        <translation>Imagem salva!</translation>
    </message>
    <message>
        <source>The new image is saved to your album.</source>
        <translation>A nova imagem foi salva no seu álbum.</translation>
    </message>
    <message>
        <source>The image could not be saved to your album: %1.</source>
        <extracomment>%1 is the reason (a clause in lower case).</extracomment>
        <translation>Não foi possível salvar a imagem no seu álbum: %1.</translation>
    </message>
    <message>
        <source>The image could not be saved as %1: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason (a clause in lower case).</extracomment>
        <translation>Não foi possível salvar a imagem como %1: %2.</translation>
    </message>
    <message>
        <source>Image Not Saved</source>
        <translation>Imagem não salva</translation>
    </message>
    <message>
        <source>A picture made with Vorlane</source>
        <translation>Uma imagem feita com o Vorlane</translation>
    </message>
    <message>
        <source>Cannot Share</source>
        <translation>Não foi possível compartilhar</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Nenhum programa de e-mail pôde ser iniciado.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>the file does not exist</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>níveis demais de links simbólicos</translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation>o nome do arquivo é longo demais</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>o arquivo não pode ser lido</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <extracomment>Why a file cannot be opened; %1 is the system&apos;s reason.</extracomment>
        <translation>o arquivo não pode ser lido (%1)</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>não há espaço livre no dispositivo</translation>
    </message>
    <message>
        <source>file too large</source>
        <extracomment>Why a file cannot be written: it has reached the largest size allowed.</extracomment>
        <translation>arquivo grande demais</translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <extracomment>Why a file cannot be written; %1 is the system&apos;s reason.</extracomment>
        <translation>o arquivo não pode ser gravado (%1)</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete</source>
        <translation>o arquivo está danificado ou incompleto</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>a imagem é grande demais</translation>
    </message>
    <message>
        <source>memory ran out</source>
        <extracomment>Why a photo, a painting or a file could not be read, rendered or written.</extracomment>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>the picture is stored in a way that cannot be read</source>
        <translation>a imagem está armazenada em um formato que não pode ser lido</translation>
    </message>
    <message>
        <source>the file is not a picture</source>
        <translation>o arquivo não é uma imagem</translation>
    </message>
    <message>
        <source>the picture could not be scaled</source>
        <translation>a imagem não pôde ser redimensionada</translation>
    </message>
    <message>
        <source>%1 pixels is larger than the photo (%2 x %3)</source>
        <extracomment>Why a picture cannot be exported at the longer side asked for: %1 is that side, %2 x %3 the photo&apos;s own size, in pixels.</extracomment>
        <translation>%1 pixels excedem o tamanho da foto (%2 x %3)</translation>
    </message>
    <message>
        <source>there is no picture</source>
        <translation>não há imagem</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>it cannot be written (%1)</source>
        <extracomment>Why a file cannot be saved; %1 is the system&apos;s or a library&apos;s reason.</extracomment>
        <translation>o arquivo não pode ser gravado (%1)</translation>
    </message>
</context>
<context>
    <name>platform::CameraCapture</name>
    <message>
        <source>Take Photo</source>
        <translation>Tirar foto</translation>
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
        <translation>Como usar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rate?</source>
        <translation>Avaliar?</translation>
    </message>
    <message>
        <source>Could you give us a rate and some suggestions to improve this App?</source>
        <translation>Que tal avaliar o app e nos dar sugestões para melhorá-lo?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
</context>
<context>
    <name>screen</name>
    <message>
        <source>No Camera!</source>
        <translation>Sem câmera!</translation>
    </message>
    <message>
        <source>There is no Camera on this Device. You can load photo from your album.</source>
        <translation>Este dispositivo não tem câmera. Você pode abrir uma foto do seu álbum.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error accessing photo library</source>
        <translation>Erro ao acessar a fototeca</translation>
    </message>
    <message>
        <source>Device does not support a photo library</source>
        <translation>Este dispositivo não oferece suporte a fototeca</translation>
    </message>
    <message>
        <source>Drat!</source>
        <translation>Poxa!</translation>
    </message>
    <message>
        <source>Error accessing photo library!</source>
        <translation>Erro ao acessar a fototeca!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>screen::MainViewController</name>
    <message>
        <source>Load</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Câmera</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
</context>
<context>
    <name>vorlane</name>
    <message>
        <source>Turns a photo into a pencil sketch and lets you paint the colour back.</source>
        <translation>Transforma uma foto em esboço a lápis e permite pintar a cor de volta.</translation>
    </message>
    <message>
        <source>Layout: desktop (a resizable window with menus), phone (320 points wide) or tablet (768 x 1024). Default: phone on a portrait touch screen narrower than 600 pixels, desktop elsewhere.</source>
        <extracomment>Help of --profile. desktop, phone and tablet are the values it takes: keep them as they are.</extracomment>
        <translation>Layout: desktop (janela redimensionável com menus), phone (320 pontos de largura) ou tablet (768 x 1024). Padrão: phone em tela de toque vertical com menos de 600 px; senão, desktop.</translation>
    </message>
    <message>
        <source>The phone layout&apos;s height (implies --profile phone).</source>
        <extracomment>Help of --screen-height. Keep &quot;--profile phone&quot; as it is: it is typed so.</extracomment>
        <translation>Altura do layout phone (implica --profile phone).</translation>
    </message>
    <message>
        <source>Enlarge the whole window by this factor, 0.25 to 8 (as QT_SCALE_FACTOR).</source>
        <extracomment>Help of --scale. QT_SCALE_FACTOR is an environment variable&apos;s name: keep it.</extracomment>
        <translation>Amplia toda a janela por este fator, de 0.25 a 8 (como QT_SCALE_FACTOR).</translation>
    </message>
    <message>
        <source>A photo to open.</source>
        <extracomment>Help of the PHOTO argument.</extracomment>
        <translation>Uma foto para abrir.</translation>
    </message>
    <message>
        <source>%1 takes desktop, phone or tablet, not %2</source>
        <extracomment>%1 is the option --profile; desktop, phone and tablet are the values it takes: keep them. %2 is what was given.</extracomment>
        <translation>%1 aceita desktop, phone ou tablet, não %2</translation>
    </message>
    <message>
        <source>%1 takes 480 or 568, not %2</source>
        <extracomment>%1 is the option --screen-height; %2 what was given.</extracomment>
        <translation>%1 aceita 480 ou 568, não %2</translation>
    </message>
    <message>
        <source>%1 takes a factor from 0.25 to 8, not %2</source>
        <extracomment>%1 is the option --scale; %2 what was given.</extracomment>
        <translation>%1 aceita um fator de 0.25 a 8, não %2</translation>
    </message>
    <message>
        <source>only one photo can be opened</source>
        <translation>só é possível abrir uma foto</translation>
    </message>
    <message>
        <source>%1 applies to the phone profile only</source>
        <extracomment>%1 is the option --screen-height.</extracomment>
        <translation>%1 só se aplica ao perfil phone</translation>
    </message>
    <message>
        <source>Try &apos;vorlane --help&apos;.</source>
        <extracomment>Keep the command &quot;vorlane --help&quot; as it is.</extracomment>
        <translation>Experimente &apos;vorlane --help&apos;.</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Vorlane developers.
License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <extracomment>The lines --version prints after the program&apos;s name and version. Keep the licence&apos;s name (GPL-3.0-or-later) and the address as they are.</extracomment>
        <translation>Copyright (C) 2026 Desenvolvedores do Vorlane.
Licença GPL-3.0-or-later: GNU GPL versão 3 ou posterior
&lt;https://gnu.org/licenses/gpl.html&gt;.
Este é um software livre: você é livre para alterá-lo e redistribuí-lo.
NÃO HÁ GARANTIAS, na máxima extensão permitida em lei.
</translation>
    </message>
</context>
<context>
    <name>vorlane-sketch</name>
    <message>
        <source>the folder cannot be read</source>
        <translation>a pasta não pode ser lida</translation>
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
            <numerusform>%1/%n foto, %2 fotos/s, faltam %3 min %4 s</numerusform>
            <numerusform>%1/%n fotos, %2 fotos/s, faltam %3 min %4 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1/%n photos, %2 photos/s, %3 s left</source>
        <extracomment>Progress of a batch: %1 photos done of %n, at %2 photos a second, %3 seconds left.</extracomment>
        <translation>
            <numerusform>%1/%n foto, %2 fotos/s, faltam %3 s</numerusform>
            <numerusform>%1/%n fotos, %2 fotos/s, faltam %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n photos failed</source>
        <extracomment>The batch&apos;s closing count: %1 of its %n photos failed.</extracomment>
        <translation>
            <numerusform>%1 de %n foto com falha</numerusform>
            <numerusform>%1 de %n fotos com falha</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n photos already done, skipped</source>
        <extracomment>The batch&apos;s closing count: %1 of its %n photos were left out, their outputs there from an earlier run.</extracomment>
        <translation>
            <numerusform>%1 de %n foto já pronta, ignorada</numerusform>
            <numerusform>%1 de %n fotos já prontas, ignoradas</numerusform>
        </translation>
    </message>
    <message>
        <source>the picture cannot be encoded (%1)</source>
        <extracomment>%1 is the image encoder&apos;s reason.</extracomment>
        <translation>a imagem não pode ser codificada (%1)</translation>
    </message>
    <message>
        <source>the file cannot be written (%1)</source>
        <extracomment>%1 is the system&apos;s reason, e.g. &quot;No space left on device&quot;.</extracomment>
        <translation>o arquivo não pode ser gravado (%1)</translation>
    </message>
    <message>
        <source>the file cannot be written (every numbered name is taken)</source>
        <extracomment>The batch names its outputs &quot;NAME.styleN.png&quot;, then &quot;NAME.styleN (2).png&quot;, and so on.</extracomment>
        <translation>o arquivo não pode ser gravado (nomes numerados esgotados)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A failure line (after the program&apos;s name): %1 is a file&apos;s path, %2 what went wrong with that file, e.g. &quot;the file does not exist&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no texture was given</source>
        <translation>nenhuma textura foi indicada</translation>
    </message>
    <message>
        <source>the texture cannot be made the photo&apos;s size</source>
        <translation>a textura não pode ser ajustada ao tamanho da foto</translation>
    </message>
    <message>
        <source>names no sketch-brush texture</source>
        <extracomment>Said of the program&apos;s own list of data files.</extracomment>
        <translation>não indica nenhuma textura de pincel de esboço</translation>
    </message>
    <message>
        <source>names the texture &quot;%1&quot;, which is missing</source>
        <extracomment>Said of the program&apos;s own list of data files; %1 is a picture&apos;s name.</extracomment>
        <translation>indica a textura &quot;%1&quot;, que está faltando</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>a pasta não pode ser criada</translation>
    </message>
    <message>
        <source>the folder cannot be written (%1)</source>
        <extracomment>%1 is the system&apos;s reason, e.g. &quot;Permission denied&quot;.</extracomment>
        <translation>não é possível gravar na pasta (%1)</translation>
    </message>
    <message>
        <source>no photos among the inputs (a folder&apos;s pictures are taken by their extension)</source>
        <translation>nenhuma foto nas entradas (imagens de pastas são reconhecidas pela extensão)</translation>
    </message>
    <message>
        <source>holds no preview</source>
        <extracomment>Said of a Vorlane document, whose preview picture --thumbnail writes.</extracomment>
        <translation>não contém prévia</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <extracomment>%1 is the system&apos;s or the image encoder&apos;s reason.</extracomment>
        <translation>não pode ser gravado (%1)</translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is an option, e.g. --jobs; %2 to %3 the numbers it takes; %4 what was given.</extracomment>
        <translation>%1 deve ser um número de %2 a %3, não &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <extracomment>%1 and %2 are options, e.g. --skip-existing and --out-dir: the first is taken only with the second.</extracomment>
        <translation>%1 só funciona com %2</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <extracomment>%1 and %2 are options, e.g. --thumbnail and --style: the first is never taken with the second.</extracomment>
        <translation>%1 não aceita %2</translation>
    </message>
    <message>
        <source>Try &apos;vorlane-sketch --help&apos;.</source>
        <extracomment>Keep the command &quot;vorlane-sketch --help&quot; as it is.</extracomment>
        <translation>Experimente &apos;vorlane-sketch --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT
  or:  vorlane-sketch --out-dir DIR [--style N|all] [OPTION]... INPUT...
  or:  vorlane-sketch --thumbnail SIZE DOCUMENT OUTPUT
  or:  vorlane-sketch --timelapse OUT.mp4|OUT.webp [--duration S] [--size N]
         DOCUMENT</source>
        <extracomment>The command&apos;s forms. Translate &quot;Usage:&quot; and &quot;or:&quot; only; keep the program&apos;s name, the options and the upper-case words (the files and values the command takes) as they are.</extracomment>
        <translation>Uso:   vorlane-sketch [--style N] [--texture FILE] INPUT OUTPUT
  ou:  vorlane-sketch --out-dir DIR [--style N|all] [OPTION]... INPUT...
  ou:  vorlane-sketch --thumbnail SIZE DOCUMENT OUTPUT
  ou:  vorlane-sketch --timelapse OUT.mp4|OUT.webp [--duration S] [--size N]
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
        <translation>Renderiza fotos como esboços a lápis. Cada foto é endireitada conforme a
sua tag de orientação e levada ao seu tamanho de trabalho: uma foto na
horizontal com mais de 1280 pixels de largura é reduzida para 1280 pixels
de largura (2560 x 1600 vira 1280 x 800); uma foto na vertical ou quadrada
com mais de 1280 pixels de altura é reduzida para a maior largura múltipla
de 256 pixels que mantenha a altura em no máximo 1280 (1200 x 1600 vira
768 x 1024); fotos menores mantêm o tamanho.</translation>
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
        <translation>A primeira forma renderiza INPUT e grava OUTPUT como PNG ou JPEG, conforme
a extensão (.png, .jpg, .jpeg).
Com --out-dir, cada INPUT é uma foto ou uma pasta cujas imagens são usadas
(um nível de profundidade, pela extensão), e cada foto é gravada em DIR
como NAME.styleN.png (ou .jpg). Um nome já usado recebe &quot; (2)&quot;,
&quot; (3)&quot;, ...: nenhum arquivo é substituído. Uma foto que falha é citada em
uma linha e as demais continuam; em um terminal, uma linha de progresso
mostra as fotos prontas, as fotos por segundo e o tempo restante.</translation>
    </message>
    <message>
        <source>Options:</source>
        <extracomment>The heading of the options&apos; list.</extracomment>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>sketch style 1 to 7 (default 1); 0 writes the prepared
photo; all (with --out-dir) writes styles 1 to 7 from
one decode</source>
        <extracomment>Help of --style N. Lines of at most 60 characters; keep &quot;all&quot; and --out-dir.</extracomment>
        <translation>estilo de esboço de 1 a 7 (padrão 1); 0 grava a foto
preparada; all (com --out-dir) grava os estilos 1 a 7 a
partir de uma só decodificação</translation>
    </message>
    <message>
        <source>pencil texture picture, stretched to each photo&apos;s size
(default: the built-in sketch-brush texture)</source>
        <extracomment>Help of --texture FILE. Lines of at most 60 characters.</extracomment>
        <translation>imagem de textura de lápis, esticada até o tamanho de cada
foto (padrão: a textura de pincel de esboço embutida)</translation>
    </message>
    <message>
        <source>write the sketches into DIR (made when missing)</source>
        <extracomment>Help of --out-dir DIR. Lines of at most 60 characters; DIR as in the usage lines.</extracomment>
        <translation>grava os esboços na pasta DIR (criada se não existir)</translation>
    </message>
    <message>
        <source>with --out-dir, write only the outputs whose names
(NAME.styleN.png, then &quot; (2)&quot; for a second photo of
that name) are not in DIR yet; a photo with every
output there is not read</source>
        <extracomment>Help of --skip-existing. Lines of at most 60 characters; keep --out-dir, DIR, and the output names &quot;NAME.styleN.png&quot; and &quot; (2)&quot;.</extracomment>
        <translation>com --out-dir, grava só as saídas cujos nomes
(NAME.styleN.png e depois &quot; (2)&quot; para uma segunda foto com
esse nome) ainda não estão em DIR; uma foto com todas as
saídas já presentes não é lida</translation>
    </message>
    <message>
        <source>png (default) or jpg, with --out-dir</source>
        <extracomment>Help of --format F. Keep png, jpg and --out-dir: they are typed as they are.</extracomment>
        <translation>png (padrão) ou jpg, com --out-dir</translation>
    </message>
    <message>
        <source>write the preview stored in the Vorlane document
DOCUMENT to OUTPUT as PNG, scaled down to fit SIZE x SIZE
(1 to 1024; never scaled up); nothing else of the
document is read</source>
        <extracomment>Help of --thumbnail SIZE. Lines of at most 60 characters; DOCUMENT, OUTPUT and SIZE as in the usage lines.</extracomment>
        <translation>grava a prévia guardada no documento do Vorlane DOCUMENT em
OUTPUT como PNG, reduzida para caber em SIZE x SIZE (1 a
1024; nunca ampliada); nada mais do documento é lido</translation>
    </message>
    <message>
        <source>write the painting of the Vorlane document DOCUMENT as a
time-lapse video, H.264 (.mp4) or animated WebP (.webp),
30 frames a second: the sketch, the strokes in effect at
their painted pace (pauses over 1 s shortened), the
finished painting held for the last second</source>
        <extracomment>Help of --timelapse OUT. Lines of at most 60 characters; DOCUMENT as in the usage lines.</extracomment>
        <translation>grava a pintura do documento do Vorlane DOCUMENT como vídeo
time-lapse, H.264 (.mp4) ou WebP animado (.webp), a 30
quadros por segundo: o esboço, os traços em vigor no ritmo
em que foram pintados (pausas de mais de 1 s encurtadas) e a
pintura pronta mantida no último segundo</translation>
    </message>
    <message>
        <source>the time-lapse&apos;s length, 3 to 120 seconds (default 10)</source>
        <extracomment>Help of --duration S. Lines of at most 60 characters.</extracomment>
        <translation>a duração do time-lapse, de 3 a 120 segundos (padrão 10)</translation>
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
        <translation>working (padrão): o tamanho de trabalho acima; full: o
tamanho original da foto, endireitada (uma foto de mais de
64 MP, 8192 x 8192 pixels, é reduzida para caber nisso); N:
o lado maior em pixels, de 256 a 8192 e no máximo o da
própria foto. Uma renderização maior se parece com a do
tamanho de trabalho, com os detalhes mais finos da foto; um
documento é renderizado com seus traços nesse tamanho. Com
--timelapse: o lado maior do vídeo, a partir de 16 (padrão
1080; no máximo o da própria foto)</translation>
    </message>
    <message>
        <source>photos rendered at once (default: the number of cores, %1)</source>
        <extracomment>Help of --jobs N. %1 is the number of processor cores of this machine.</extracomment>
        <translation>fotos renderizadas ao mesmo tempo (padrão: o número de
núcleos, %1)</translation>
    </message>
    <message>
        <source>the memory the photos rendered at once may take together,
in megabytes (default: three quarters of the memory free
at the start); a photo that alone needs more still runs,
by itself</source>
        <extracomment>Help of --memory MB. Lines of at most 60 characters.</extracomment>
        <translation>a memória que as fotos renderizadas ao mesmo tempo podem
ocupar juntas, em megabytes (padrão: três quartos da memória
livre no início); uma foto que sozinha precise de mais ainda
é processada, isoladamente</translation>
    </message>
    <message>
        <source>JPEG quality 0 to 100 (default %1); for PNG the
compression effort 0 to 100 (default %2, the fastest;
100 gives the smallest file)</source>
        <extracomment>Help of --quality Q. Lines of at most 60 characters. %1 is the JPEG quality and %2 the PNG compression effort used when the option is not given.</extracomment>
        <translation>qualidade JPEG de 0 a 100 (padrão %1); para PNG, o esforço
de compressão de 0 a 100 (padrão %2, o mais rápido; 100 gera
o menor arquivo)</translation>
    </message>
    <message>
        <source>show this text</source>
        <extracomment>Help of -h, --help.</extracomment>
        <translation>mostra este texto</translation>
    </message>
    <message>
        <source>show the version and the licence</source>
        <extracomment>Help of -v, --version.</extracomment>
        <translation>mostra a versão e a licença</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 a file cannot be read or written (some photos
failed), 2 usage error.</source>
        <extracomment>Lines of at most 78 characters.</extracomment>
        <translation>Status de saída: 0 concluído, 1 um arquivo não pode ser lido ou
gravado (algumas fotos falharam), 2 erro de uso.</translation>
    </message>
    <message>
        <source>%1 needs a value, not &quot;-&quot;</source>
        <extracomment>%1 is an option, e.g. --out-dir, given &quot;-&quot; where its value should be.</extracomment>
        <translation>%1 precisa de um valor, não &quot;-&quot;</translation>
    </message>
    <message>
        <source>%1 needs a value, not the option &quot;%2&quot;</source>
        <extracomment>%1 is an option, e.g. --out-dir; %2 the option that came where its value should be.</extracomment>
        <translation>%1 precisa de um valor, não da opção &quot;%2&quot;</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <extracomment>%1 is the option as typed, e.g. --colour.</extracomment>
        <translation>opção desconhecida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 takes one DOCUMENT and one OUTPUT</source>
        <extracomment>%1 is the option --thumbnail. DOCUMENT and OUTPUT are as in the usage lines of --help.</extracomment>
        <translation>%1 aceita um DOCUMENT e um OUTPUT</translation>
    </message>
    <message>
        <source>%1 must be working, full or a longer side from %2 to %3 pixels (%3 x %3 is the 64 MP limit), not &quot;%4&quot;</source>
        <extracomment>%1 is the option --size; &quot;working&quot; and &quot;full&quot; are values it takes: keep them as they are.</extracomment>
        <translation>%1 deve ser working, full ou um lado maior de %2 a %3 pixels (%3 x %3 é o limite de 64 MP), não &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <extracomment>%1 is the option --out-dir, given an empty value.</extracomment>
        <translation>%1 precisa de uma pasta</translation>
    </message>
    <message>
        <source>%1 writes seven files: it needs %2</source>
        <extracomment>%1 is &quot;--style all&quot;, %2 the option --out-dir.</extracomment>
        <translation>%1 grava sete arquivos: precisa de %2</translation>
    </message>
    <message>
        <source>the style must be a number from 0 to 7 or all, not &quot;%1&quot;</source>
        <extracomment>&quot;all&quot; is a value --style takes with --out-dir: keep it as it is. %1 is what was given.</extracomment>
        <translation>o estilo deve ser um número de 0 a 7 ou all, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the style must be a number from 0 to 7, not &quot;%1&quot;</source>
        <extracomment>%1 is what was given for --style.</extracomment>
        <translation>o estilo deve ser um número de 0 a 7, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <extracomment>%1 is the option --texture, given an empty value.</extracomment>
        <translation>%1 precisa de um arquivo</translation>
    </message>
    <message>
        <source>%1 must be a number of megabytes from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the option --memory; %2 to %3 the megabytes it takes; %4 what was given.</extracomment>
        <translation>%1 deve ser um número de megabytes de %2 a %3, não &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1 must be png or jpg, not &quot;%2&quot;</source>
        <extracomment>%1 is the option --format; &quot;png&quot; and &quot;jpg&quot; are the values it takes: keep them. %2 is what was given.</extracomment>
        <translation>%1 deve ser png ou jpg, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no INPUT given</source>
        <extracomment>INPUT is as in the usage lines of --help.</extracomment>
        <translation>nenhum INPUT indicado</translation>
    </message>
    <message>
        <source>%1 goes with %2; OUTPUT&apos;s extension gives the format</source>
        <extracomment>%1 is the option --format, %2 the option --out-dir; OUTPUT is as in the usage lines of --help.</extracomment>
        <translation>%1 só funciona com %2; a extensão de OUTPUT define o formato</translation>
    </message>
    <message>
        <source>INPUT and OUTPUT are needed</source>
        <extracomment>INPUT and OUTPUT are as in the usage lines of --help.</extracomment>
        <translation>INPUT e OUTPUT são necessários</translation>
    </message>
    <message>
        <source>only one INPUT and one OUTPUT are taken (%1 takes many)</source>
        <extracomment>INPUT and OUTPUT are as in the usage lines of --help; %1 is the option --out-dir.</extracomment>
        <translation>só se aceita um INPUT e um OUTPUT (%1 aceita vários)</translation>
    </message>
    <message>
        <source>OUTPUT must end in .png, .jpg or .jpeg: &quot;%1&quot;</source>
        <extracomment>OUTPUT is as in the usage lines of --help; %1 is the name given for it.</extracomment>
        <translation>OUTPUT deve terminar em .png, .jpg ou .jpeg: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>OUTPUT is the same file as INPUT</source>
        <extracomment>OUTPUT and INPUT are as in the usage lines of --help.</extracomment>
        <translation>OUTPUT é o mesmo arquivo que INPUT</translation>
    </message>
    <message>
        <source>OUTPUT is the same file as the texture</source>
        <extracomment>OUTPUT is as in the usage lines of --help; the texture is the picture --texture names.</extracomment>
        <translation>OUTPUT é o mesmo arquivo que a textura</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>Said of OUTPUT when it names a folder, a device or the like.</extracomment>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1 writes a .mp4 or .webp file, not &quot;%2&quot;</source>
        <extracomment>%1 is the option --timelapse; %2 the file name given to it.</extracomment>
        <translation>%1 grava um arquivo .mp4 ou .webp, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 must be a number of seconds from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the option --duration; %2 to %3 the seconds it takes; %4 what was given.</extracomment>
        <translation>%1 deve ser um número de segundos de %2 a %3, não &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1 takes one PAINTING</source>
        <extracomment>%1 is the option --timelapse; PAINTING is the Vorlane document it is made from.</extracomment>
        <translation>%1 aceita um único PAINTING</translation>
    </message>
    <message>
        <source>time-lapse %1%</source>
        <extracomment>Progress while the video is written: %1 is how much is done, in percent.</extracomment>
        <translation>time-lapse %1%</translation>
    </message>
</context>
</TS>
