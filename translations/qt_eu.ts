<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Qt's own texts that the programs show (file dialogs, standard buttons,
     a text box's menu) in a language Qt ships no catalogue for. Kept by
     hand: lupdate does not touch this file. Source texts and contexts are
     Qt 6.4's, exactly as its qtbase catalogues have them. -->
<TS version="2.1" language="eu_ES" sourcelanguage="en">
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>Step &amp;down</source>
        <translation>&amp;Txikitu</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Handitu</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Hautatu dena</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Atzera</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fitxategia</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ireki</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ireki</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Gorde</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Aliasa</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unitatea</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fitxategiak</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Erakutsi </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>«%1» idazketaren aurka babestuta dago.
Hala ere ezabatu nahi duzu?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Ziur «%1» ezabatu nahi duzula?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Lekuen eta laster-marken zerrenda</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Fitxategi-&amp;izena:</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Karpeta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ezabatu</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Karpeta berria</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Karpeta</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Goiko karpeta</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Karpeta &amp;berria</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kendu</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Nire ordenagailua</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Begiratu hemen:</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Sortu karpeta berria</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1 fitxategia</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Fitxategi mota:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Bilatu karpeta</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Erakutsi fitxategi &amp;ezkutuak</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Gorde honela</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Ez da karpeta aurkitu.
Egiaztatu karpetaren izena zuzena dela.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Alboko barra</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Zerrenda-ikuspegia</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Aukeratu</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Ezabatu</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Fitxategi guztiak (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Fitxategi guztiak (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Karpetak</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Berrizendatu</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Ezin izan da karpeta ezabatu.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Karpeta:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ezezaguna</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 badago lehendik ere.
Ordeztu nahi duzu?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Aurrera</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Joan aurrera</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Joan goiko karpetara</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Azken lekuak</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Joan atzera</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Aldatu xehetasun-ikuspegira</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Sortu karpeta berria</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Lasterbidea</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Xehetasun-ikuspegia</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Ez da fitxategia aurkitu.
Egiaztatu fitxategiaren izena zuzena dela.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Aldatu zerrenda-ikuspegira</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>Mota</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Izena</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaina</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Mota</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; can not be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuations marks.</source>
        <translation>&lt;b&gt;Ezin da «%1» izena erabili.&lt;/b&gt;&lt;p&gt;Saiatu beste izen batekin, karaktere gutxiagorekin edo puntuazio-markarik gabe.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Nire ordenagailua</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenagailua</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Fitxategi-izen baliogabea</translation>
    </message>
    <message>
        <source>%1 byte(s)</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Aldatze-data</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Ados</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Gorde</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Itxi</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Itxi gorde gabe</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Utzi</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Enter a value:</source>
        <translation>Sartu balio bat:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ebaki</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiatu</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Berregin</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desegin</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Itsatsi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ezabatu</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Hautatu dena</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Laguntza</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>Erakutsi xehetasunak...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ezkutatu xehetasunak...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ez</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Bai</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Laguntza</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ireki</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gorde</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abortatu</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplikatu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Itxi</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Berrezarri</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Saiatu berriro</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Leheneratu lehenetsiak</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Utzi</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ez ikusi</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>&amp;Ez guztiei</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Gorde dena</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Baztertu</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Bai &amp;guztiei</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <translation>Korritu hona</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Goialdea</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Behealdea</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Ezkerreko ertza</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Eskuineko ertza</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Orria gora</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Orria behera</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Orria ezkerrera</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Orria eskuinera</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Korritu gora</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Korritu behera</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Korritu ezkerrera</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Korritu eskuinera</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maius</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Meta</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Supr</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>Insert Unicode control character</source>
        <translation>Txertatu Unicode kontrol-karakterea</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ebaki</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiatu</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Berregin</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desegin</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Itsatsi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ezabatu</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Hautatu dena</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Kopiatu &amp;estekaren helbidea</translation>
    </message>
</context>
</TS>
