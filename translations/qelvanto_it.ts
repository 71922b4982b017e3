<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>Arguments</name>
    <message>
        <source>use one of: %1</source>
        <translation>valori possibili: %1</translation>
    </message>
    <message>
        <source>use one of: %1 (kbit/s)</source>
        <translation>valori possibili: %1 (kbit/s)</translation>
    </message>
    <message>
        <source>use one of: %1 (Hz)</source>
        <translation>valori possibili: %1 (Hz)</translation>
    </message>
    <message>
        <source>use a number of files from 1 to %1 (the number of cores)</source>
        <translation>indicare un numero di file da 1 a %1 (il numero di core)</translation>
    </message>
    <message>
        <source>use an existing folder</source>
        <translation>indicare una cartella esistente</translation>
    </message>
    <message>
        <source>see qelvanto --help</source>
        <translation>vedere qelvanto --help</translation>
    </message>
    <message>
        <source>Converts batches of audio files.
Without --convert it opens its window and starts a batch of the given files and
folders, as if they had been dropped on the door.
With --convert it converts them without a window. Options not given take the
window&apos;s last choices. Exit status: 0 every audio file converted, 1 a file failed,
was stopped or was left out, 2 a usage error, 130 or 143 interrupted.</source>
        <translation>Converte file audio in blocco.
Senza --convert apre la finestra e avvia la conversione dei file e delle
cartelle indicati, come se fossero stati trascinati sulla porta.
Con --convert li converte senza finestra. Le opzioni non indicate riprendono le
ultime scelte fatte nella finestra. Stato di uscita: 0 ogni file audio è stato
convertito, 1 un file non è stato convertito, è stato interrotto o è stato
escluso, 2 errore di utilizzo, 130 o 143 interruzione.</translation>
    </message>
    <message>
        <source>Convert without a window; a summary follows on standard output.</source>
        <translation>Converte senza finestra; segue un riepilogo sullo standard output.</translation>
    </message>
    <message>
        <source>Output format: %1.</source>
        <translation>Formato di uscita: %1.</translation>
    </message>
    <message>
        <source>Bitrate in kbit/s: %1.</source>
        <translation>Bitrate in kbit/s: %1.</translation>
    </message>
    <message>
        <source>Sample rate in Hz: %1.</source>
        <translation>Frequenza di campionamento in Hz: %1.</translation>
    </message>
    <message>
        <source>mono or stereo.</source>
        <translation>mono o stereo.</translation>
    </message>
    <message>
        <source>Files converted at once, 1 to %1 (the number of cores).</source>
        <translation>File convertiti contemporaneamente, da 1 a %1 (il numero di core).</translation>
    </message>
    <message>
        <source>Write every result into this existing folder, not into Converted/ beside each input.</source>
        <translation>Scrive ogni risultato in questa cartella esistente, anziché in Converted/ accanto a ogni file di origine.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>cartella</translation>
    </message>
    <message>
        <source>With --output: the files of a given folder keep its tree of folders inside the output folder.</source>
        <translation>Con --output: i file di una cartella indicata mantengono la struttura delle sottocartelle nella cartella di uscita.</translation>
    </message>
    <message>
        <source>When a result is there already: rename (a new name, &quot;a 1.mp3&quot;) or skip (the file is left as it is).</source>
        <translation>Se un risultato esiste già: rename (un nuovo nome, "a 1.mp3") o skip (il file viene lasciato com'è).</translation>
    </message>
    <message>
        <source>An album image with a cue sheet beside it gives one file per track, named and tagged as the sheet says.</source>
        <translation>Un'immagine di album con accanto il suo file CUE produce un file per traccia, con nome e tag presi dal CUE.</translation>
    </message>
    <message>
        <source>No progress and no line per file on standard error.</source>
        <translation>Nessun avanzamento e nessuna riga per file sullo standard error.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Audio files and folders to convert.</source>
        <translation>File e cartelle audio da convertire.</translation>
    </message>
    <message>
        <source>--%1 needs a value; %2</source>
        <translation>--%1 richiede un valore; %2</translation>
    </message>
    <message>
        <source>%1 The options are --convert, --format, --bitrate, --rate, --channels, --jobs, --output, --keep-folders, --existing, --split-cue, --quiet, --help and --version.</source>
        <translation>%1 Le opzioni sono --convert, --format, --bitrate, --rate, --channels, --jobs, --output, --keep-folders, --existing, --split-cue, --quiet, --help e --version.</translation>
    </message>
    <message>
        <source>--%1 goes with --convert: qelvanto --convert [OPTIONS] PATH…</source>
        <translation>--%1 va usato con --convert: qelvanto --convert [OPTIONS] PATH…</translation>
    </message>
    <message>
        <source>--convert needs at least one file or folder: qelvanto --convert [OPTIONS] PATH…</source>
        <translation>--convert richiede almeno un file o una cartella: qelvanto --convert [OPTIONS] PATH…</translation>
    </message>
    <message>
        <source>the format &quot;%1&quot; is not offered; %2</source>
        <translation>il formato "%1" non è disponibile; %2</translation>
    </message>
    <message>
        <source>the bitrate &quot;%1&quot; is not offered; %2</source>
        <translation>il bitrate "%1" non è disponibile; %2</translation>
    </message>
    <message>
        <source>the sample rate &quot;%1&quot; is not offered; %2</source>
        <translation>la frequenza di campionamento "%1" non è disponibile; %2</translation>
    </message>
    <message>
        <source>the channels &quot;%1&quot; is not offered; %2</source>
        <translation>il valore dei canali "%1" non è disponibile; %2</translation>
    </message>
    <message>
        <source>--jobs &quot;%1&quot; is not offered; %2</source>
        <translation>il valore "%1" di --jobs non è disponibile; %2</translation>
    </message>
    <message>
        <source>--output: the folder&apos;s name is not valid UTF-8; use another folder</source>
        <translation>--output: il nome della cartella non è UTF-8 valido; indicare un'altra cartella</translation>
    </message>
    <message>
        <source>--output &quot;%1&quot; is not an existing folder; use an existing folder</source>
        <translation>--output: "%1" non è una cartella esistente; indicare una cartella esistente</translation>
    </message>
    <message>
        <source>--keep-folders goes with --output: qelvanto --convert --output DIR --keep-folders PATH…</source>
        <translation>--keep-folders va usato con --output: qelvanto --convert --output DIR --keep-folders PATH…</translation>
    </message>
    <message>
        <source>--existing &quot;%1&quot; is not offered; %2</source>
        <translation>il valore "%1" di --existing non è disponibile; %2</translation>
    </message>
    <message>
        <source>qelvanto: see qelvanto --help</source>
        <translation>qelvanto: vedere qelvanto --help</translation>
    </message>
</context>
<context>
    <name>BannerController</name>
    <message>
        <source>Select File(s)</source>
        <translation>Seleziona i file</translation>
    </message>
    <message>
        <source>Convert these files?</source>
        <translation>Convertire questi file?</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Seleziona una cartella</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Seleziona una cartella</translation>
    </message>
    <message>
        <source>Now please select a folder to save the output media files.
(For example: Desktop)</source>
        <translation>Ora seleziona una cartella in cui salvare i file convertiti.
(Ad esempio: Scrivania)</translation>
    </message>
    <message>
        <source>Don&apos;t Show This Message Again</source>
        <translation>Non mostrare più questo messaggio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Output the File to</source>
        <translation>Salva i file in</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a file&apos;s share done</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Esegui</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completato</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>about %1 s left</source>
        <translation>tempo rimanente: circa %1 s</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <translation>tempo rimanente: circa %1 min</translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>tempo rimanente: circa %1 h %2 min</translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <translation>tempo rimanente: circa %1 h</translation>
    </message>
    <message>
        <source>it is not executable</source>
        <translation>non è eseguibile</translation>
    </message>
</context>
<context>
    <name>BatchListModel</name>
    <message>
        <source>%1, converted to %2</source>
        <translation>%1, convertito in %2</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Saved as</source>
        <translation>Salvato come</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The encoder does not take %1 mono at %2 Hz: every file would fail.</source>
        <translation>L'encoder non accetta %1 mono a %2 Hz: nessun file verrebbe convertito.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 stereo at %2 Hz: every file would fail.</source>
        <translation>L'encoder non accetta %1 stereo a %2 Hz: nessun file verrebbe convertito.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 mono at %2 Hz above %3 kbit/s: every file would fail.</source>
        <translation>L'encoder non accetta %1 mono a %2 Hz oltre %3 kbit/s: nessun file verrebbe convertito.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 stereo at %2 Hz above %3 kbit/s: every file would fail.</source>
        <translation>L'encoder non accetta %1 stereo a %2 Hz oltre %3 kbit/s: nessun file verrebbe convertito.</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>it is not a cue sheet (it holds a zero byte)</source>
        <translation>non è un file CUE (contiene un byte zero)</translation>
    </message>
    <message>
        <source>it names more than %1 tracks</source>
        <translation>indica più di %1 tracce</translation>
    </message>
    <message>
        <source>it is not a cue sheet the reader understands</source>
        <translation>non è un file CUE che l'analizzatore sappia leggere</translation>
    </message>
    <message>
        <source>it names no track</source>
        <translation>non indica alcuna traccia</translation>
    </message>
    <message>
        <source>its track %1 cannot be read</source>
        <translation>la sua traccia %1 è illeggibile</translation>
    </message>
    <message>
        <source>its track %1 has no start</source>
        <translation>la sua traccia %1 non indica l'inizio</translation>
    </message>
    <message>
        <source>its track %1 names no file</source>
        <translation>la sua traccia %1 non indica alcun file</translation>
    </message>
    <message>
        <source>its track %1 starts before track %2 ends</source>
        <translation>la sua traccia %1 inizia prima della fine della traccia %2</translation>
    </message>
    <message>
        <source>%1 track %2 of %3</source>
        <translation>%1 traccia %2 di %3</translation>
    </message>
</context>
<context>
    <name>Decisions</name>
    <message>
        <source>its name is not valid UTF-8, so it cannot be handed to the encoder unchanged</source>
        <translation>il suo nome non è UTF-8 valido, quindi non può essere passato all'encoder senza modifiche</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>non può essere letto (%1)</translation>
    </message>
    <message>
        <source>it is a playlist, which would make the encoder open the files it names</source>
        <translation>è una playlist, che farebbe aprire all'encoder i file che elenca</translation>
    </message>
    <message>
        <source>it could not be examined: the system would not start the encoder (%1)</source>
        <translation>non è stato possibile analizzarlo: il sistema non ha avviato l'encoder (%1)</translation>
    </message>
    <message>
        <source>it ended with code %1 at once</source>
        <translation>l'encoder si è chiuso subito con codice %1</translation>
    </message>
    <message>
        <source>the encoder did not finish reading it within %1 seconds</source>
        <translation>l'encoder non ha finito di leggerlo entro %1 secondi</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>the encoder reported success but wrote nothing</source>
        <translation>l'encoder ha segnalato la riuscita ma non ha scritto nulla</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it is a FIFO, not a regular file</source>
        <translation>è una FIFO, non un file normale</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>è un socket, non un file normale</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>è un dispositivo, non un file normale</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
</context>
<context>
    <name>InputCollection</name>
    <message>
        <source>it is a folder that cannot be opened (%1)</source>
        <translation>è una cartella che non si può aprire (%1)</translation>
    </message>
    <message>
        <source>Left out %1: it holds the results of earlier runs.</source>
        <translation>Cartella %1 esclusa: contiene i risultati di conversioni precedenti.</translation>
    </message>
    <message>
        <source>Left out %1: it is the output folder, which holds results.</source>
        <translation>Cartella %1 esclusa: è la cartella di uscita, che contiene i risultati.</translation>
    </message>
    <message>
        <source>its FILE %1 is not beside it</source>
        <translation>il suo FILE %1 non è nella stessa cartella</translation>
    </message>
    <message>
        <source>its FILE %1 is not there</source>
        <translation>il suo FILE %1 non è presente</translation>
    </message>
    <message>
        <source>its FILE %1 is a link, which is not followed</source>
        <translation>il suo FILE %1 è un collegamento, che non viene seguito</translation>
    </message>
    <message>
        <source>its FILE %1 is not a regular file</source>
        <translation>il suo FILE %1 non è un file normale</translation>
    </message>
    <message>
        <source>it is larger than an album&apos;s cue sheet can be</source>
        <translation>è più grande di quanto possa esserlo il file CUE di un album</translation>
    </message>
</context>
<context>
    <name>Journey</name>
    <message>
        <source>the system would not start the encoder (%1)</source>
        <translation>il sistema non ha avviato l'encoder (%1)</translation>
    </message>
    <message>
        <source>its image states no sample rate</source>
        <translation>la sua immagine non indica la frequenza di campionamento</translation>
    </message>
    <message>
        <source>it starts at %1, after the end of its image (%2)</source>
        <translation>inizia a %1, dopo la fine della sua immagine (%2)</translation>
    </message>
    <message>
        <source>its Converted folder %1 is a link, which is not followed</source>
        <translation>la sua cartella Converted %1 è un collegamento, che non viene seguito</translation>
    </message>
    <message>
        <source>%1, where its Converted folder goes, is not a folder</source>
        <translation>%1, dove andrebbe la sua cartella Converted, non è una cartella</translation>
    </message>
    <message>
        <source>it ended with code %1 at once</source>
        <translation>l'encoder si è chiuso subito con codice %1</translation>
    </message>
    <message>
        <source>Removed %1, which an interrupted run had left unfinished.</source>
        <translation>Rimosso %1, lasciato incompleto da una conversione interrotta.</translation>
    </message>
    <message>
        <source>its output %1 could not be created (%2)</source>
        <translation>non è stato possibile creare il suo file di uscita %1 (%2)</translation>
    </message>
    <message>
        <source>a name or setting holds the text %1, which would split the encoder&apos;s arguments</source>
        <translation>un nome o un'impostazione contiene il testo %1, che dividerebbe gli argomenti dell'encoder</translation>
    </message>
    <message>
        <source>the encoder could not be started</source>
        <translation>non è stato possibile avviare l'encoder</translation>
    </message>
    <message>
        <source>the encoder could not be started (%1)</source>
        <translation>non è stato possibile avviare l'encoder (%1)</translation>
    </message>
    <message>
        <source>the encoder did not finish reading it within %1 seconds</source>
        <translation>l'encoder non ha finito di leggerlo entro %1 secondi</translation>
    </message>
    <message>
        <source>it could not be saved (%1)</source>
        <translation>non è stato possibile salvarlo (%1)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add files</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <source>Drop audio files or folders here, or press Enter or Space to pick files</source>
        <translation>Trascina qui file o cartelle audio, oppure premi Invio o Spazio per scegliere i file</translation>
    </message>
    <message>
        <source>Drop audio files or folders here, or click to pick files (Ctrl+O)</source>
        <translation>Trascina qui file o cartelle audio, oppure fai clic per scegliere i file (Ctrl+O)</translation>
    </message>
    <message>
        <source>How to add files</source>
        <translation>Come aggiungere file</translation>
    </message>
    <message>
        <source>Drop audio files or folders on the door, or click it to choose files.</source>
        <translation>Trascina file o cartelle audio sulla porta, oppure fai clic su di essa per scegliere i file.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Output format, which is also the new file&apos;s extension</source>
        <translation>Formato di uscita, che è anche l'estensione del nuovo file</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Audio bitrate in kilobits per second, used by the lossy formats</source>
        <translation>Bitrate audio in kilobit al secondo, usato dai formati con perdita</translation>
    </message>
    <message>
        <source>Audio bitrate in kbit/s (used by the lossy formats)</source>
        <translation>Bitrate audio in kbit/s (usato dai formati con perdita)</translation>
    </message>
    <message>
        <source>kbit/s</source>
        <translation>kbit/s</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Campionamento</translation>
    </message>
    <message>
        <source>Sample rate in hertz</source>
        <translation>Frequenza di campionamento in hertz</translation>
    </message>
    <message>
        <source>Sample rate in Hz</source>
        <translation>Frequenza di campionamento in Hz</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Mono or stereo</source>
        <translation>Mono o stereo</translation>
    </message>
    <message>
        <source>Number of channels</source>
        <translation>Numero di canali</translation>
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
        <translation>In parallelo</translation>
    </message>
    <message>
        <source>How many files convert at the same time</source>
        <translation>Quanti file vengono convertiti contemporaneamente</translation>
    </message>
    <message>
        <source>How many files convert at the same time; each uses one processor core</source>
        <translation>Quanti file vengono convertiti contemporaneamente; ognuno usa un core del processore</translation>
    </message>
    <message>
        <source>What the chosen format does with the sample rate</source>
        <translation>Cosa fa il formato scelto con la frequenza di campionamento</translation>
    </message>
    <message>
        <source>Whether the encoder takes the chosen format, bitrate, sample rate and channels</source>
        <translation>Se l'encoder accetta il formato, il bitrate, la frequenza di campionamento e i canali scelti</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Salva in</translation>
    </message>
    <message>
        <source>Original Folder puts the results in a Converted folder beside each file; otherwise you pick one folder when the batch starts</source>
        <translation>"Cartella originale" mette i risultati in una cartella Converted accanto a ogni file; altrimenti scegli una cartella all'avvio della conversione</translation>
    </message>
    <message>
        <source>Original Folder: a Converted folder beside each file. Otherwise you pick one folder when the batch starts.</source>
        <translation>Cartella originale: una cartella Converted accanto a ogni file. Altrimenti scegli una cartella all'avvio della conversione.</translation>
    </message>
    <message>
        <source>Original Folder</source>
        <translation>Cartella originale</translation>
    </message>
    <message>
        <source>Choose a Folder…</source>
        <translation>Scegli una cartella…</translation>
    </message>
    <message>
        <source>Keep folders</source>
        <translation>Mantieni cartelle</translation>
    </message>
    <message>
        <source>With a chosen folder, the files of a dropped folder keep its tree of folders inside it</source>
        <translation>Con una cartella scelta, i file di una cartella trascinata vi conservano la struttura delle sottocartelle</translation>
    </message>
    <message>
        <source>If it exists</source>
        <translation>Se esiste</translation>
    </message>
    <message>
        <source>When a file&apos;s result is there already: convert it again under a new name, or skip the file</source>
        <translation>Se il risultato di un file esiste già: convertirlo di nuovo con un nuovo nome, oppure saltare il file</translation>
    </message>
    <message>
        <source>When a file&apos;s result is there already: New name converts it again as &quot;NAME 1&quot;, Skip leaves it as it is</source>
        <translation>Se il risultato di un file esiste già: "Nuovo nome" lo converte di nuovo come "NAME 1", "Salta" lo lascia com'è</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nuovo nome</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Split by cue sheet</source>
        <translation>Dividi secondo il CUE</translation>
    </message>
    <message>
        <source>An album image with a cue sheet beside it gives one file per track, named and tagged as the sheet says</source>
        <translation>Un'immagine di album con accanto il suo file CUE produce un file per traccia, con nome e tag presi dal CUE</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Cartella di uscita</translation>
    </message>
    <message>
        <source>The folder chosen for the results</source>
        <translation>La cartella scelta per i risultati</translation>
    </message>
    <message>
        <source>Converted/ beside each file</source>
        <translation>Converted/ accanto a ogni file</translation>
    </message>
    <message>
        <source>What is being done and how many files are left</source>
        <translation>Cosa si sta facendo e quanti file mancano</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>How far the current file has got</source>
        <translation>Avanzamento del file corrente</translation>
    </message>
    <message>
        <source>How far the current file has got, in percent</source>
        <translation>Avanzamento del file corrente, in percentuale</translation>
    </message>
    <message>
        <source>How long the whole batch will still take</source>
        <translation>Quanto tempo manca per l'intero gruppo di file</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparazione</translation>
    </message>
    <message>
        <source>The current file is being examined</source>
        <translation>Il file corrente è in analisi</translation>
    </message>
    <message>
        <source>Opens the guide</source>
        <translation>Apre la guida</translation>
    </message>
    <message>
        <source>Qelvanto help</source>
        <translation>Guida di Qelvanto</translation>
    </message>
    <message>
        <source>While files convert it reads Stop and stops every conversion that runs; otherwise it only shows the door picture again</source>
        <translation>Durante la conversione mostra "Interrompi" e interrompe tutte le conversioni in corso; altrimenti mostra solo di nuovo l'immagine della porta</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Esegui</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Console</translation>
    </message>
    <message>
        <source>What the encoder did, file by file</source>
        <translation>Cosa ha fatto l'encoder, file per file</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>Stato dell'encoder</translation>
    </message>
    <message>
        <source>The encoder&apos;s latest status line</source>
        <translation>L'ultima riga di stato dell'encoder</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 file</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%Ln file</numerusform>
            <numerusform>%Ln file</numerusform>
        </translation>
    </message>
    <message>
        <source>Files of the batch</source>
        <translation>File del gruppo</translation>
    </message>
    <message>
        <source>Each file of the batch, what became of it and where it was saved; Enter shows a converted file in the file manager</source>
        <translation>Ogni file del gruppo, cosa ne è stato e dove è stato salvato; Invio mostra un file convertito nel gestore di file</translation>
    </message>
    <message>
        <source>Asked for when the batch starts</source>
        <translation>Richiesta all'avvio della conversione</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>converted with problems to %1: %2</source>
        <translation>convertito con problemi in %1: %2</translation>
    </message>
    <message>
        <source>converted to %1</source>
        <translation>convertito in %1</translation>
    </message>
    <message>
        <source>already converted as %1, left as it is</source>
        <translation>già convertito come %1, lasciato com'è</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>non riuscito: %1</translation>
    </message>
    <message>
        <source>failed with result code %1</source>
        <translation>non riuscito con codice di uscita %1</translation>
    </message>
    <message>
        <source>failed with result code %1: %2</source>
        <translation>non riuscito con codice di uscita %1: %2</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>interrotto</translation>
    </message>
    <message>
        <source>not audio, skipped</source>
        <translation>non audio, saltato</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>escluso: %1</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>illeggibile: %1</translation>
    </message>
    <message>
        <source>Conversion Completed.</source>
        <translation>Conversione completata.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files failed; the console has the details.</source>
        <translation>
            <numerusform>%Ln file su %1 non è stato convertito; i dettagli sono nella console.</numerusform>
            <numerusform>%Ln file su %1 non sono stati convertiti; i dettagli sono nella console.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files failed.</source>
        <translation>
            <numerusform>%Ln file su %1 non è stato convertito.</numerusform>
            <numerusform>%Ln file su %1 non sono stati convertiti.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files were stopped.</source>
        <translation>
            <numerusform>%Ln file su %1 è stato interrotto.</numerusform>
            <numerusform>%Ln file su %1 sono stati interrotti.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not audio and was skipped.</source>
        <translation>1 file non era audio ed è stato saltato.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not audio and were skipped.</source>
        <translation>
            <numerusform>%Ln file non era audio ed è stato saltato.</numerusform>
            <numerusform>%Ln file non erano audio e sono stati saltati.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was converted with problems; the console has the details.</source>
        <translation>1 file è stato convertito con problemi; i dettagli sono nella console.</translation>
    </message>
    <message>
        <source>1 file was converted with problems.</source>
        <translation>1 file è stato convertito con problemi.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were converted with problems; the console has the details.</source>
        <translation>
            <numerusform>%Ln file è stato convertito con problemi; i dettagli sono nella console.</numerusform>
            <numerusform>%Ln file sono stati convertiti con problemi; i dettagli sono nella console.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were converted with problems.</source>
        <translation>
            <numerusform>%Ln file è stato convertito con problemi.</numerusform>
            <numerusform>%Ln file sono stati convertiti con problemi.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was already converted and was left as it is.</source>
        <translation>1 file era già convertito ed è stato lasciato com'è.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were already converted and were left as they are.</source>
        <translation>
            <numerusform>%Ln file era già convertito ed è stato lasciato com'è.</numerusform>
            <numerusform>%Ln file erano già convertiti e sono stati lasciati come sono.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e %Ln altro</numerusform>
            <numerusform>e altri %Ln</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Presenter</name>
    <message>
        <source>Stopped %1: its unfinished output %2 was removed.</source>
        <translation>%1 interrotto: il suo file di uscita incompleto %2 è stato rimosso.</translation>
    </message>
    <message>
        <source>Not converted %1: its unfinished output %2 was removed.</source>
        <translation>%1 non convertito: il suo file di uscita incompleto %2 è stato rimosso.</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>Examining</source>
        <translation>In analisi</translation>
    </message>
    <message>
        <source>Converting %1%</source>
        <translation>Conversione %1%</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversione</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Convertito</translation>
    </message>
    <message>
        <source>Converted with problems: %1</source>
        <translation>Convertito con problemi: %1</translation>
    </message>
    <message>
        <source>Already converted</source>
        <translation>Già convertito</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Non riuscito: %1</translation>
    </message>
    <message>
        <source>result code %1</source>
        <translation>codice di uscita %1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Interrotto</translation>
    </message>
    <message>
        <source>Not audio</source>
        <translation>Non audio</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>Escluso: %1</translation>
    </message>
    <message numerus="yes">
        <source>Preparing the File - %n File(s) Left</source>
        <translation>
            <numerusform>Preparazione del file - %Ln file rimanente</numerusform>
            <numerusform>Preparazione del file - %Ln file rimanenti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Converting - %n File(s) Left</source>
        <translation>
            <numerusform>Conversione - %Ln file rimanente</numerusform>
            <numerusform>Conversione - %Ln file rimanenti</numerusform>
        </translation>
    </message>
    <message>
        <source>Qelvanto — %1 of %2 — %3</source>
        <translation>Qelvanto — %1 di %2 — %3</translation>
    </message>
    <message>
        <source>Not converted %1: %2.</source>
        <translation>%1 non convertito: %2.</translation>
    </message>
    <message>
        <source>Converted with problems %1: %2.</source>
        <translation>%1 convertito con problemi: %2.</translation>
    </message>
    <message>
        <source>Left out %1: %2.</source>
        <translation>%1 escluso: %2.</translation>
    </message>
    <message>
        <source>Stopped %1 before its conversion.</source>
        <translation>%1 interrotto prima della conversione.</translation>
    </message>
    <message>
        <source>Already converted %1: %2 is there.</source>
        <translation>%1 già convertito: %2 esiste già.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files were not started.</source>
        <translation>
            <numerusform>%Ln file su %1 non è stato avviato.</numerusform>
            <numerusform>%Ln file su %1 non sono stati avviati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Qelvanto: %n of %1 files converted</source>
        <translation>
            <numerusform>Qelvanto: %Ln file su %1 convertito</numerusform>
            <numerusform>Qelvanto: %Ln file su %1 convertiti</numerusform>
        </translation>
    </message>
    <message>
        <source>The encoder is missing</source>
        <translation>Encoder non trovato</translation>
    </message>
    <message>
        <source>The program &quot;ffmpeg&quot; was not found in %1. Reinstall Qelvanto, or install the ffmpeg package and build again.</source>
        <translation>Il programma "ffmpeg" non è stato trovato in %1. Reinstalla Qelvanto, oppure installa il pacchetto ffmpeg e ricompila.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>The encoder cannot be run</source>
        <translation>Impossibile eseguire l'encoder</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be run: %2. Reinstall Qelvanto, or install the ffmpeg package and build again.</source>
        <translation>Impossibile eseguire il programma "%1": %2. Reinstalla Qelvanto, oppure installa il pacchetto ffmpeg e ricompila.</translation>
    </message>
    <message>
        <source>qelvanto: the encoder is missing: &quot;ffmpeg&quot; was not found in %1. Reinstall Qelvanto, or install the ffmpeg package.</source>
        <translation>qelvanto: encoder non trovato: "ffmpeg" non è presente in %1. Reinstalla Qelvanto, oppure installa il pacchetto ffmpeg.</translation>
    </message>
    <message>
        <source>qelvanto: the encoder &quot;%1&quot; cannot be run: %2. Reinstall Qelvanto, or install the ffmpeg package.</source>
        <translation>qelvanto: impossibile eseguire l'encoder "%1": %2. Reinstalla Qelvanto, oppure installa il pacchetto ffmpeg.</translation>
    </message>
    <message>
        <source>opus converts at %1 Hz, whatever the sample rate box says</source>
        <translation>opus converte a %1 Hz, qualunque sia il campionamento scelto</translation>
    </message>
    <message>
        <source>%1, %2 kbit/s</source>
        <translation>%1, %2 kbit/s</translation>
    </message>
    <message>
        <source>Convert 1 file to %1, into Converted/ beside each file?</source>
        <translation>Convertire 1 file in %1, in Converted/ accanto al file?</translation>
    </message>
    <message numerus="yes">
        <source>Convert %n files to %1, into Converted/ beside each file?</source>
        <translation>
            <numerusform>Convertire %Ln file in %1, in Converted/ accanto al file?</numerusform>
            <numerusform>Convertire %Ln file in %1, in Converted/ accanto a ogni file?</numerusform>
        </translation>
    </message>
    <message>
        <source>Convert 1 file to %1, into a folder you choose next?</source>
        <translation>Convertire 1 file in %1, in una cartella da scegliere subito dopo?</translation>
    </message>
    <message numerus="yes">
        <source>Convert %n files to %1, into a folder you choose next?</source>
        <translation>
            <numerusform>Convertire %Ln file in %1, in una cartella da scegliere subito dopo?</numerusform>
            <numerusform>Convertire %Ln file in %1, in una cartella da scegliere subito dopo?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProbeText</name>
    <message>
        <source>only %1 of %2 could be read</source>
        <translation>è stato possibile leggere solo %1 su %2</translation>
    </message>
    <message>
        <source>1 error while decoding</source>
        <translation>1 errore di decodifica</translation>
    </message>
    <message numerus="yes">
        <source>%n errors while decoding</source>
        <translation>
            <numerusform>%Ln errore di decodifica</numerusform>
            <numerusform>%Ln errori di decodifica</numerusform>
        </translation>
    </message>
    <message>
        <source>its timestamps ran backwards once</source>
        <translation>i suoi timestamp sono tornati indietro una volta</translation>
    </message>
    <message numerus="yes">
        <source>its timestamps ran backwards %n times</source>
        <translation>
            <numerusform>i suoi timestamp sono tornati indietro %Ln volta</numerusform>
            <numerusform>i suoi timestamp sono tornati indietro %Ln volte</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
</TS>
