<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>Arguments</name>
    <message>
        <source>use one of: %1</source>
        <translation>gebruik een van deze waarden: %1</translation>
    </message>
    <message>
        <source>use one of: %1 (kbit/s)</source>
        <translation>gebruik een van deze waarden: %1 (kbit/s)</translation>
    </message>
    <message>
        <source>use one of: %1 (Hz)</source>
        <translation>gebruik een van deze waarden: %1 (Hz)</translation>
    </message>
    <message>
        <source>use a number of files from 1 to %1 (the number of cores)</source>
        <translation>gebruik een aantal bestanden van 1 tot en met %1 (het aantal kernen)</translation>
    </message>
    <message>
        <source>use an existing folder</source>
        <translation>gebruik een bestaande map</translation>
    </message>
    <message>
        <source>see qelvanto --help</source>
        <translation>zie qelvanto --help</translation>
    </message>
    <message>
        <source>Converts batches of audio files.
Without --convert it opens its window and starts a batch of the given files and
folders, as if they had been dropped on the door.
With --convert it converts them without a window. Options not given take the
window&apos;s last choices. Exit status: 0 every audio file converted, 1 a file failed,
was stopped or was left out, 2 a usage error, 130 or 143 interrupted.</source>
        <translation>Converteert audiobestanden in batches.
Zonder --convert opent Qelvanto zijn venster en start het een batch met de
opgegeven bestanden en mappen, alsof ze naar de deur waren gesleept.
Met --convert converteert het ze zonder venster. Niet opgegeven opties nemen de
laatste keuzes uit het venster over. Afsluitstatus: 0 elk audiobestand
geconverteerd, 1 een bestand is mislukt, gestopt of weggelaten, 2 een
gebruiksfout, 130 of 143 onderbroken.</translation>
    </message>
    <message>
        <source>Convert without a window; a summary follows on standard output.</source>
        <translation>Converteren zonder venster; een samenvatting volgt op de standaarduitvoer.</translation>
    </message>
    <message>
        <source>Output format: %1.</source>
        <translation>Uitvoerformaat: %1.</translation>
    </message>
    <message>
        <source>Bitrate in kbit/s: %1.</source>
        <translation>Bitrate in kbit/s: %1.</translation>
    </message>
    <message>
        <source>Sample rate in Hz: %1.</source>
        <translation>Samplerate in Hz: %1.</translation>
    </message>
    <message>
        <source>mono or stereo.</source>
        <translation>mono of stereo.</translation>
    </message>
    <message>
        <source>Files converted at once, 1 to %1 (the number of cores).</source>
        <translation>Aantal bestanden dat tegelijk wordt geconverteerd, 1 tot en met %1 (het aantal kernen).</translation>
    </message>
    <message>
        <source>Write every result into this existing folder, not into Converted/ beside each input.</source>
        <translation>Elk resultaat in deze bestaande map schrijven, niet in Converted/ naast elk invoerbestand.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>map</translation>
    </message>
    <message>
        <source>With --output: the files of a given folder keep its tree of folders inside the output folder.</source>
        <translation>Met --output: de bestanden van een opgegeven map behouden in de uitvoermap de mappenstructuur van die map.</translation>
    </message>
    <message>
        <source>When a result is there already: rename (a new name, &quot;a 1.mp3&quot;) or skip (the file is left as it is).</source>
        <translation>Als een resultaat al bestaat: rename (een nieuwe naam, "a 1.mp3") of skip (het bestand blijft zoals het is).</translation>
    </message>
    <message>
        <source>An album image with a cue sheet beside it gives one file per track, named and tagged as the sheet says.</source>
        <translation>Een albumimage met een cuesheet ernaast levert één bestand per nummer op, met naam en tags volgens de cuesheet.</translation>
    </message>
    <message>
        <source>No progress and no line per file on standard error.</source>
        <translation>Geen voortgang en geen regel per bestand op de standaardfoutuitvoer.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Deze hulp tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>De versie tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Audio files and folders to convert.</source>
        <translation>Te converteren audiobestanden en mappen.</translation>
    </message>
    <message>
        <source>--%1 needs a value; %2</source>
        <translation>--%1 heeft een waarde nodig; %2</translation>
    </message>
    <message>
        <source>%1 The options are --convert, --format, --bitrate, --rate, --channels, --jobs, --output, --keep-folders, --existing, --split-cue, --quiet, --help and --version.</source>
        <translation>%1 De opties zijn --convert, --format, --bitrate, --rate, --channels, --jobs, --output, --keep-folders, --existing, --split-cue, --quiet, --help en --version.</translation>
    </message>
    <message>
        <source>--%1 goes with --convert: qelvanto --convert [OPTIONS] PATH…</source>
        <translation>--%1 hoort bij --convert: qelvanto --convert [OPTIONS] PATH…</translation>
    </message>
    <message>
        <source>--convert needs at least one file or folder: qelvanto --convert [OPTIONS] PATH…</source>
        <translation>--convert heeft minstens één bestand of map nodig: qelvanto --convert [OPTIONS] PATH…</translation>
    </message>
    <message>
        <source>the format &quot;%1&quot; is not offered; %2</source>
        <translation>het formaat "%1" wordt niet aangeboden; %2</translation>
    </message>
    <message>
        <source>the bitrate &quot;%1&quot; is not offered; %2</source>
        <translation>de bitrate "%1" wordt niet aangeboden; %2</translation>
    </message>
    <message>
        <source>the sample rate &quot;%1&quot; is not offered; %2</source>
        <translation>de samplerate "%1" wordt niet aangeboden; %2</translation>
    </message>
    <message>
        <source>the channels &quot;%1&quot; is not offered; %2</source>
        <translation>de kanaalinstelling "%1" wordt niet aangeboden; %2</translation>
    </message>
    <message>
        <source>--jobs &quot;%1&quot; is not offered; %2</source>
        <translation>--jobs "%1" wordt niet aangeboden; %2</translation>
    </message>
    <message>
        <source>--output: the folder&apos;s name is not valid UTF-8; use another folder</source>
        <translation>--output: de naam van de map is geen geldige UTF-8; gebruik een andere map</translation>
    </message>
    <message>
        <source>--output &quot;%1&quot; is not an existing folder; use an existing folder</source>
        <translation>--output "%1" is geen bestaande map; gebruik een bestaande map</translation>
    </message>
    <message>
        <source>--keep-folders goes with --output: qelvanto --convert --output DIR --keep-folders PATH…</source>
        <translation>--keep-folders hoort bij --output: qelvanto --convert --output DIR --keep-folders PATH…</translation>
    </message>
    <message>
        <source>--existing &quot;%1&quot; is not offered; %2</source>
        <translation>--existing "%1" wordt niet aangeboden; %2</translation>
    </message>
    <message>
        <source>qelvanto: see qelvanto --help</source>
        <translation>qelvanto: zie qelvanto --help</translation>
    </message>
</context>
<context>
    <name>BannerController</name>
    <message>
        <source>Select File(s)</source>
        <translation>Bestanden kiezen</translation>
    </message>
    <message>
        <source>Convert these files?</source>
        <translation>Deze bestanden converteren?</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converteren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Map kiezen</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Kies een map</translation>
    </message>
    <message>
        <source>Now please select a folder to save the output media files.
(For example: Desktop)</source>
        <translation>Kies nu een map waarin de geconverteerde mediabestanden worden opgeslagen.
(Bijvoorbeeld: Bureaublad)</translation>
    </message>
    <message>
        <source>Don&apos;t Show This Message Again</source>
        <translation>Dit bericht niet meer tonen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Output the File to</source>
        <translation>Uitvoer opslaan in</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a file&apos;s share done</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Uitvoeren</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Voltooid</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>about %1 s left</source>
        <translation>nog ongeveer %1 s</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <translation>nog ongeveer %1 min</translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>nog ongeveer %1 u %2 min</translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <translation>nog ongeveer %1 u</translation>
    </message>
    <message>
        <source>it is not executable</source>
        <translation>het is niet uitvoerbaar</translation>
    </message>
</context>
<context>
    <name>BatchListModel</name>
    <message>
        <source>%1, converted to %2</source>
        <translation>%1, geconverteerd naar %2</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Saved as</source>
        <translation>Opgeslagen als</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The encoder does not take %1 mono at %2 Hz: every file would fail.</source>
        <translation>De encoder ondersteunt %1 in mono op %2 Hz niet: elk bestand zou mislukken.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 stereo at %2 Hz: every file would fail.</source>
        <translation>De encoder ondersteunt %1 in stereo op %2 Hz niet: elk bestand zou mislukken.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 mono at %2 Hz above %3 kbit/s: every file would fail.</source>
        <translation>De encoder ondersteunt %1 in mono op %2 Hz alleen tot %3 kbit/s: elk bestand zou mislukken.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 stereo at %2 Hz above %3 kbit/s: every file would fail.</source>
        <translation>De encoder ondersteunt %1 in stereo op %2 Hz alleen tot %3 kbit/s: elk bestand zou mislukken.</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>it is not a cue sheet (it holds a zero byte)</source>
        <translation>het is geen cuesheet (het bevat een nulbyte)</translation>
    </message>
    <message>
        <source>it names more than %1 tracks</source>
        <translation>het noemt meer dan %1 nummers</translation>
    </message>
    <message>
        <source>it is not a cue sheet the reader understands</source>
        <translation>het is geen cuesheet die gelezen kan worden</translation>
    </message>
    <message>
        <source>it names no track</source>
        <translation>het noemt geen enkel nummer</translation>
    </message>
    <message>
        <source>its track %1 cannot be read</source>
        <translation>nummer %1 kan niet worden gelezen</translation>
    </message>
    <message>
        <source>its track %1 has no start</source>
        <translation>nummer %1 heeft geen begintijd</translation>
    </message>
    <message>
        <source>its track %1 names no file</source>
        <translation>nummer %1 noemt geen bestand</translation>
    </message>
    <message>
        <source>its track %1 starts before track %2 ends</source>
        <translation>nummer %1 begint voordat nummer %2 eindigt</translation>
    </message>
    <message>
        <source>%1 track %2 of %3</source>
        <translation>%1 nummer %2 van %3</translation>
    </message>
</context>
<context>
    <name>Decisions</name>
    <message>
        <source>its name is not valid UTF-8, so it cannot be handed to the encoder unchanged</source>
        <translation>de naam is geen geldige UTF-8, dus kan die niet ongewijzigd aan de encoder worden doorgegeven</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>het kan niet worden gelezen (%1)</translation>
    </message>
    <message>
        <source>it is a playlist, which would make the encoder open the files it names</source>
        <translation>het is een afspeellijst, waardoor de encoder de bestanden zou openen die erin staan</translation>
    </message>
    <message>
        <source>it could not be examined: the system would not start the encoder (%1)</source>
        <translation>het kon niet worden onderzocht: het systeem wilde de encoder niet starten (%1)</translation>
    </message>
    <message>
        <source>it ended with code %1 at once</source>
        <translation>de encoder stopte meteen met code %1</translation>
    </message>
    <message>
        <source>the encoder did not finish reading it within %1 seconds</source>
        <translation>de encoder was niet binnen %1 seconden klaar met lezen</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>the encoder reported success but wrote nothing</source>
        <translation>de encoder meldde succes, maar schreef niets</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>it is a FIFO, not a regular file</source>
        <translation>het is een FIFO, geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>het is een socket, geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>het is een apparaat, geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
</context>
<context>
    <name>InputCollection</name>
    <message>
        <source>it is a folder that cannot be opened (%1)</source>
        <translation>het is een map die niet kan worden geopend (%1)</translation>
    </message>
    <message>
        <source>Left out %1: it holds the results of earlier runs.</source>
        <translation>%1 weggelaten: de map bevat de resultaten van eerdere conversies.</translation>
    </message>
    <message>
        <source>Left out %1: it is the output folder, which holds results.</source>
        <translation>%1 weggelaten: dit is de uitvoermap, die de resultaten bevat.</translation>
    </message>
    <message>
        <source>its FILE %1 is not beside it</source>
        <translation>FILE %1 staat niet in dezelfde map</translation>
    </message>
    <message>
        <source>its FILE %1 is not there</source>
        <translation>FILE %1 bestaat niet</translation>
    </message>
    <message>
        <source>its FILE %1 is a link, which is not followed</source>
        <translation>FILE %1 is een link en wordt niet gevolgd</translation>
    </message>
    <message>
        <source>its FILE %1 is not a regular file</source>
        <translation>FILE %1 is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is larger than an album&apos;s cue sheet can be</source>
        <translation>het is groter dan de cuesheet van een album kan zijn</translation>
    </message>
</context>
<context>
    <name>Journey</name>
    <message>
        <source>the system would not start the encoder (%1)</source>
        <translation>het systeem wilde de encoder niet starten (%1)</translation>
    </message>
    <message>
        <source>its image states no sample rate</source>
        <translation>het albumimage vermeldt geen samplerate</translation>
    </message>
    <message>
        <source>it starts at %1, after the end of its image (%2)</source>
        <translation>het nummer begint op %1, na het einde van het albumimage (%2)</translation>
    </message>
    <message>
        <source>its Converted folder %1 is a link, which is not followed</source>
        <translation>de bijbehorende map Converted %1 is een link en wordt niet gevolgd</translation>
    </message>
    <message>
        <source>%1, where its Converted folder goes, is not a folder</source>
        <translation>%1, waar de map Converted moet komen, is geen map</translation>
    </message>
    <message>
        <source>it ended with code %1 at once</source>
        <translation>de encoder stopte meteen met code %1</translation>
    </message>
    <message>
        <source>Removed %1, which an interrupted run had left unfinished.</source>
        <translation>%1 verwijderd (onvoltooid achtergelaten door een onderbroken conversie).</translation>
    </message>
    <message>
        <source>its output %1 could not be created (%2)</source>
        <translation>het uitvoerbestand %1 kon niet worden aangemaakt (%2)</translation>
    </message>
    <message>
        <source>a name or setting holds the text %1, which would split the encoder&apos;s arguments</source>
        <translation>een naam of instelling bevat de tekst %1, die de argumenten van de encoder zou opsplitsen</translation>
    </message>
    <message>
        <source>the encoder could not be started</source>
        <translation>de encoder kon niet worden gestart</translation>
    </message>
    <message>
        <source>the encoder could not be started (%1)</source>
        <translation>de encoder kon niet worden gestart (%1)</translation>
    </message>
    <message>
        <source>the encoder did not finish reading it within %1 seconds</source>
        <translation>de encoder was niet binnen %1 seconden klaar met lezen</translation>
    </message>
    <message>
        <source>it could not be saved (%1)</source>
        <translation>het kon niet worden opgeslagen (%1)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add files</source>
        <translation>Bestanden toevoegen</translation>
    </message>
    <message>
        <source>Drop audio files or folders here, or press Enter or Space to pick files</source>
        <translation>Sleep audiobestanden of mappen hierheen, of druk op Enter of de spatiebalk om bestanden te kiezen</translation>
    </message>
    <message>
        <source>Drop audio files or folders here, or click to pick files (Ctrl+O)</source>
        <translation>Sleep audiobestanden of mappen hierheen, of klik om bestanden te kiezen (Ctrl+O)</translation>
    </message>
    <message>
        <source>How to add files</source>
        <translation>Uitleg bij het toevoegen van bestanden</translation>
    </message>
    <message>
        <source>Drop audio files or folders on the door, or click it to choose files.</source>
        <translation>Sleep audiobestanden of mappen naar de deur, of klik erop om bestanden te kiezen.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formaat</translation>
    </message>
    <message>
        <source>Output format, which is also the new file&apos;s extension</source>
        <translation>Uitvoerformaat, tevens de extensie van het nieuwe bestand</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Audio bitrate in kilobits per second, used by the lossy formats</source>
        <translation>Audiobitrate in kilobit per seconde, gebruikt door de formaten met verlies</translation>
    </message>
    <message>
        <source>Audio bitrate in kbit/s (used by the lossy formats)</source>
        <translation>Audiobitrate in kbit/s (voor de formaten met verlies)</translation>
    </message>
    <message>
        <source>kbit/s</source>
        <translation>kbit/s</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Samplerate</translation>
    </message>
    <message>
        <source>Sample rate in hertz</source>
        <translation>Samplerate in hertz</translation>
    </message>
    <message>
        <source>Sample rate in Hz</source>
        <translation>Samplerate in Hz</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanalen</translation>
    </message>
    <message>
        <source>Mono or stereo</source>
        <translation>Mono of stereo</translation>
    </message>
    <message>
        <source>Number of channels</source>
        <translation>Aantal kanalen</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>At once</source>
        <translation>Tegelijk</translation>
    </message>
    <message>
        <source>How many files convert at the same time</source>
        <translation>Hoeveel bestanden tegelijk worden geconverteerd</translation>
    </message>
    <message>
        <source>How many files convert at the same time; each uses one processor core</source>
        <translation>Hoeveel bestanden tegelijk worden geconverteerd; elk bestand gebruikt één processorkern</translation>
    </message>
    <message>
        <source>What the chosen format does with the sample rate</source>
        <translation>Wat het gekozen formaat met de samplerate doet</translation>
    </message>
    <message>
        <source>Whether the encoder takes the chosen format, bitrate, sample rate and channels</source>
        <translation>Of de encoder het gekozen formaat, de bitrate, de samplerate en de kanalen ondersteunt</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Opslaan in</translation>
    </message>
    <message>
        <source>Original Folder puts the results in a Converted folder beside each file; otherwise you pick one folder when the batch starts</source>
        <translation>Originele map zet de resultaten in een map Converted naast elk bestand; anders kiest u één map wanneer de batch begint</translation>
    </message>
    <message>
        <source>Original Folder: a Converted folder beside each file. Otherwise you pick one folder when the batch starts.</source>
        <translation>Originele map: een map Converted naast elk bestand. Anders kiest u één map wanneer de batch begint.</translation>
    </message>
    <message>
        <source>Original Folder</source>
        <translation>Originele map</translation>
    </message>
    <message>
        <source>Choose a Folder…</source>
        <translation>Map kiezen…</translation>
    </message>
    <message>
        <source>Keep folders</source>
        <translation>Mappen behouden</translation>
    </message>
    <message>
        <source>With a chosen folder, the files of a dropped folder keep its tree of folders inside it</source>
        <translation>Met een gekozen map behouden de bestanden van een gesleepte map daarin de mappenstructuur van die map</translation>
    </message>
    <message>
        <source>If it exists</source>
        <translation>Indien aanwezig</translation>
    </message>
    <message>
        <source>When a file&apos;s result is there already: convert it again under a new name, or skip the file</source>
        <translation>Als het resultaat van een bestand al bestaat: opnieuw converteren onder een nieuwe naam, of het bestand overslaan</translation>
    </message>
    <message>
        <source>When a file&apos;s result is there already: New name converts it again as &quot;NAME 1&quot;, Skip leaves it as it is</source>
        <translation>Als het resultaat van een bestand al bestaat: Nieuwe naam converteert het opnieuw als "NAME 1", Overslaan laat het zoals het is</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nieuwe naam</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Overslaan</translation>
    </message>
    <message>
        <source>Split by cue sheet</source>
        <translation>Splitsen volgens cuesheet</translation>
    </message>
    <message>
        <source>An album image with a cue sheet beside it gives one file per track, named and tagged as the sheet says</source>
        <translation>Een albumimage met een cuesheet ernaast levert één bestand per nummer op, met naam en tags volgens de cuesheet</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Uitvoermap</translation>
    </message>
    <message>
        <source>The folder chosen for the results</source>
        <translation>De map die voor de resultaten is gekozen</translation>
    </message>
    <message>
        <source>Converted/ beside each file</source>
        <translation>Converted/ naast elk bestand</translation>
    </message>
    <message>
        <source>What is being done and how many files are left</source>
        <translation>Wat er gebeurt en hoeveel bestanden er nog over zijn</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>How far the current file has got</source>
        <translation>Hoe ver het huidige bestand is</translation>
    </message>
    <message>
        <source>How far the current file has got, in percent</source>
        <translation>Hoe ver het huidige bestand is, in procenten</translation>
    </message>
    <message>
        <source>How long the whole batch will still take</source>
        <translation>Hoe lang de hele batch nog duurt</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Voorbereiden</translation>
    </message>
    <message>
        <source>The current file is being examined</source>
        <translation>Het huidige bestand wordt onderzocht</translation>
    </message>
    <message>
        <source>Opens the guide</source>
        <translation>Opent de handleiding</translation>
    </message>
    <message>
        <source>Qelvanto help</source>
        <translation>Hulp bij Qelvanto</translation>
    </message>
    <message>
        <source>While files convert it reads Stop and stops every conversion that runs; otherwise it only shows the door picture again</source>
        <translation>Terwijl er bestanden worden geconverteerd, heet deze knop Stoppen en stopt hij elke lopende conversie; anders toont hij alleen weer de afbeelding van de deur</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Uitvoeren</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Console</translation>
    </message>
    <message>
        <source>What the encoder did, file by file</source>
        <translation>Wat de encoder heeft gedaan, bestand voor bestand</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>Encoderstatus</translation>
    </message>
    <message>
        <source>The encoder&apos;s latest status line</source>
        <translation>De laatste statusregel van de encoder</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 bestand</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%Ln bestand</numerusform>
            <numerusform>%Ln bestanden</numerusform>
        </translation>
    </message>
    <message>
        <source>Files of the batch</source>
        <translation>Bestanden in de batch</translation>
    </message>
    <message>
        <source>Each file of the batch, what became of it and where it was saved; Enter shows a converted file in the file manager</source>
        <translation>Elk bestand in de batch, wat ermee is gebeurd en waar het is opgeslagen; Enter toont een geconverteerd bestand in het bestandsbeheer</translation>
    </message>
    <message>
        <source>Asked for when the batch starts</source>
        <translation>Wordt gevraagd wanneer de batch begint</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>converted with problems to %1: %2</source>
        <translation>met problemen geconverteerd naar %1: %2</translation>
    </message>
    <message>
        <source>converted to %1</source>
        <translation>geconverteerd naar %1</translation>
    </message>
    <message>
        <source>already converted as %1, left as it is</source>
        <translation>al geconverteerd als %1, ongewijzigd gelaten</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>mislukt: %1</translation>
    </message>
    <message>
        <source>failed with result code %1</source>
        <translation>mislukt met resultaatcode %1</translation>
    </message>
    <message>
        <source>failed with result code %1: %2</source>
        <translation>mislukt met resultaatcode %1: %2</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>gestopt</translation>
    </message>
    <message>
        <source>not audio, skipped</source>
        <translation>geen audio, overgeslagen</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>weggelaten: %1</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>kon niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Conversion Completed.</source>
        <translation>Conversie voltooid.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files failed; the console has the details.</source>
        <translation>
            <numerusform>%Ln van de %1 bestanden is mislukt; de details staan in de console.</numerusform>
            <numerusform>%Ln van de %1 bestanden zijn mislukt; de details staan in de console.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files failed.</source>
        <translation>
            <numerusform>%Ln van de %1 bestanden is mislukt.</numerusform>
            <numerusform>%Ln van de %1 bestanden zijn mislukt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files were stopped.</source>
        <translation>
            <numerusform>%Ln van de %1 bestanden is gestopt.</numerusform>
            <numerusform>%Ln van de %1 bestanden zijn gestopt.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not audio and was skipped.</source>
        <translation>1 bestand was geen audio en is overgeslagen.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not audio and were skipped.</source>
        <translation>
            <numerusform>%Ln bestand was geen audio en is overgeslagen.</numerusform>
            <numerusform>%Ln bestanden waren geen audio en zijn overgeslagen.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was converted with problems; the console has the details.</source>
        <translation>1 bestand is met problemen geconverteerd; de details staan in de console.</translation>
    </message>
    <message>
        <source>1 file was converted with problems.</source>
        <translation>1 bestand is met problemen geconverteerd.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were converted with problems; the console has the details.</source>
        <translation>
            <numerusform>%Ln bestand is met problemen geconverteerd; de details staan in de console.</numerusform>
            <numerusform>%Ln bestanden zijn met problemen geconverteerd; de details staan in de console.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were converted with problems.</source>
        <translation>
            <numerusform>%Ln bestand is met problemen geconverteerd.</numerusform>
            <numerusform>%Ln bestanden zijn met problemen geconverteerd.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was already converted and was left as it is.</source>
        <translation>1 bestand was al geconverteerd en is ongewijzigd gelaten.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were already converted and were left as they are.</source>
        <translation>
            <numerusform>%Ln bestand was al geconverteerd en is ongewijzigd gelaten.</numerusform>
            <numerusform>%Ln bestanden waren al geconverteerd en zijn ongewijzigd gelaten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>en nog %Ln</numerusform>
            <numerusform>en nog %Ln</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Presenter</name>
    <message>
        <source>Stopped %1: its unfinished output %2 was removed.</source>
        <translation>%1 gestopt: de onvoltooide uitvoer %2 is verwijderd.</translation>
    </message>
    <message>
        <source>Not converted %1: its unfinished output %2 was removed.</source>
        <translation>%1 niet geconverteerd: de onvoltooide uitvoer %2 is verwijderd.</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wachten</translation>
    </message>
    <message>
        <source>Examining</source>
        <translation>Onderzoeken</translation>
    </message>
    <message>
        <source>Converting %1%</source>
        <translation>Converteren %1%</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Converteren</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Geconverteerd</translation>
    </message>
    <message>
        <source>Converted with problems: %1</source>
        <translation>Met problemen geconverteerd: %1</translation>
    </message>
    <message>
        <source>Already converted</source>
        <translation>Al geconverteerd</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Mislukt: %1</translation>
    </message>
    <message>
        <source>result code %1</source>
        <translation>resultaatcode %1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestopt</translation>
    </message>
    <message>
        <source>Not audio</source>
        <translation>Geen audio</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>Weggelaten: %1</translation>
    </message>
    <message numerus="yes">
        <source>Preparing the File - %n File(s) Left</source>
        <translation>
            <numerusform>Bestand voorbereiden – nog %Ln bestand</numerusform>
            <numerusform>Bestand voorbereiden – nog %Ln bestanden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Converting - %n File(s) Left</source>
        <translation>
            <numerusform>Converteren – nog %Ln bestand</numerusform>
            <numerusform>Converteren – nog %Ln bestanden</numerusform>
        </translation>
    </message>
    <message>
        <source>Qelvanto — %1 of %2 — %3</source>
        <translation>Qelvanto — %1 van %2 — %3</translation>
    </message>
    <message>
        <source>Not converted %1: %2.</source>
        <translation>%1 niet geconverteerd: %2.</translation>
    </message>
    <message>
        <source>Converted with problems %1: %2.</source>
        <translation>%1 met problemen geconverteerd: %2.</translation>
    </message>
    <message>
        <source>Left out %1: %2.</source>
        <translation>%1 weggelaten: %2.</translation>
    </message>
    <message>
        <source>Stopped %1 before its conversion.</source>
        <translation>%1 gestopt vóór de conversie.</translation>
    </message>
    <message>
        <source>Already converted %1: %2 is there.</source>
        <translation>%1 al geconverteerd: %2 bestaat al.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files were not started.</source>
        <translation>
            <numerusform>%Ln van de %1 bestanden is niet gestart.</numerusform>
            <numerusform>%Ln van de %1 bestanden zijn niet gestart.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Qelvanto: %n of %1 files converted</source>
        <translation>
            <numerusform>Qelvanto: %Ln van de %1 bestanden geconverteerd</numerusform>
            <numerusform>Qelvanto: %Ln van de %1 bestanden geconverteerd</numerusform>
        </translation>
    </message>
    <message>
        <source>The encoder is missing</source>
        <translation>De encoder ontbreekt</translation>
    </message>
    <message>
        <source>The program &quot;ffmpeg&quot; was not found in %1. Reinstall Qelvanto, or install the ffmpeg package and build again.</source>
        <translation>Het programma "ffmpeg" is niet gevonden in %1. Installeer Qelvanto opnieuw, of installeer het pakket ffmpeg en bouw opnieuw.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> of </translation>
    </message>
    <message>
        <source>The encoder cannot be run</source>
        <translation>De encoder kan niet worden uitgevoerd</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be run: %2. Reinstall Qelvanto, or install the ffmpeg package and build again.</source>
        <translation>Het programma "%1" kon niet worden uitgevoerd: %2. Installeer Qelvanto opnieuw, of installeer het pakket ffmpeg en bouw opnieuw.</translation>
    </message>
    <message>
        <source>qelvanto: the encoder is missing: &quot;ffmpeg&quot; was not found in %1. Reinstall Qelvanto, or install the ffmpeg package.</source>
        <translation>qelvanto: de encoder ontbreekt: "ffmpeg" is niet gevonden in %1. Installeer Qelvanto opnieuw, of installeer het pakket ffmpeg.</translation>
    </message>
    <message>
        <source>qelvanto: the encoder &quot;%1&quot; cannot be run: %2. Reinstall Qelvanto, or install the ffmpeg package.</source>
        <translation>qelvanto: de encoder "%1" kan niet worden uitgevoerd: %2. Installeer Qelvanto opnieuw, of installeer het pakket ffmpeg.</translation>
    </message>
    <message>
        <source>opus converts at %1 Hz, whatever the sample rate box says</source>
        <translation>opus converteert altijd op %1 Hz, ongeacht de ingestelde samplerate</translation>
    </message>
    <message>
        <source>%1, %2 kbit/s</source>
        <translation>%1, %2 kbit/s</translation>
    </message>
    <message>
        <source>Convert 1 file to %1, into Converted/ beside each file?</source>
        <translation>1 bestand naar %1 converteren en opslaan in Converted/ ernaast?</translation>
    </message>
    <message numerus="yes">
        <source>Convert %n files to %1, into Converted/ beside each file?</source>
        <translation>
            <numerusform>%Ln bestand naar %1 converteren en opslaan in Converted/ ernaast?</numerusform>
            <numerusform>%Ln bestanden naar %1 converteren en opslaan in Converted/ naast elk bestand?</numerusform>
        </translation>
    </message>
    <message>
        <source>Convert 1 file to %1, into a folder you choose next?</source>
        <translation>1 bestand naar %1 converteren en opslaan in een map die u hierna kiest?</translation>
    </message>
    <message numerus="yes">
        <source>Convert %n files to %1, into a folder you choose next?</source>
        <translation>
            <numerusform>%Ln bestand naar %1 converteren en opslaan in een map die u hierna kiest?</numerusform>
            <numerusform>%Ln bestanden naar %1 converteren en opslaan in een map die u hierna kiest?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProbeText</name>
    <message>
        <source>only %1 of %2 could be read</source>
        <translation>slechts %1 van %2 kon worden gelezen</translation>
    </message>
    <message>
        <source>1 error while decoding</source>
        <translation>1 fout bij het decoderen</translation>
    </message>
    <message numerus="yes">
        <source>%n errors while decoding</source>
        <translation>
            <numerusform>%Ln fout bij het decoderen</numerusform>
            <numerusform>%Ln fouten bij het decoderen</numerusform>
        </translation>
    </message>
    <message>
        <source>its timestamps ran backwards once</source>
        <translation>de tijdstempels liepen één keer terug</translation>
    </message>
    <message numerus="yes">
        <source>its timestamps ran backwards %n times</source>
        <translation>
            <numerusform>de tijdstempels liepen %Ln keer terug</numerusform>
            <numerusform>de tijdstempels liepen %Ln keer terug</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
</TS>
