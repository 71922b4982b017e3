<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Arguments</name>
    <message>
        <source>use one of: %1</source>
        <translation>valeurs possibles : %1</translation>
    </message>
    <message>
        <source>use one of: %1 (kbit/s)</source>
        <translation>valeurs possibles : %1 (kbit/s)</translation>
    </message>
    <message>
        <source>use one of: %1 (Hz)</source>
        <translation>valeurs possibles : %1 (Hz)</translation>
    </message>
    <message>
        <source>use a number of files from 1 to %1 (the number of cores)</source>
        <translation>indiquez un nombre de fichiers de 1 à %1 (le nombre de cœurs)</translation>
    </message>
    <message>
        <source>use an existing folder</source>
        <translation>indiquez un dossier existant</translation>
    </message>
    <message>
        <source>see qelvanto --help</source>
        <translation>voir qelvanto --help</translation>
    </message>
    <message>
        <source>Converts batches of audio files.
Without --convert it opens its window and starts a batch of the given files and
folders, as if they had been dropped on the door.
With --convert it converts them without a window. Options not given take the
window&apos;s last choices. Exit status: 0 every audio file converted, 1 a file failed,
was stopped or was left out, 2 a usage error, 130 or 143 interrupted.</source>
        <translation>Convertit des fichiers audio par lots.
Sans --convert, ouvre la fenêtre et lance un lot avec les fichiers et dossiers
donnés, comme s'ils avaient été déposés sur la porte.
Avec --convert, les convertit sans fenêtre. Les options non précisées reprennent
les derniers choix faits dans la fenêtre. Code de sortie : 0 tous les fichiers
audio ont été convertis, 1 un fichier a échoué, a été arrêté ou a été écarté,
2 erreur d'utilisation, 130 ou 143 interruption.</translation>
    </message>
    <message>
        <source>Convert without a window; a summary follows on standard output.</source>
        <translation>Convertir sans fenêtre ; un résumé suit sur la sortie standard.</translation>
    </message>
    <message>
        <source>Output format: %1.</source>
        <translation>Format de sortie : %1.</translation>
    </message>
    <message>
        <source>Bitrate in kbit/s: %1.</source>
        <translation>Débit en kbit/s : %1.</translation>
    </message>
    <message>
        <source>Sample rate in Hz: %1.</source>
        <translation>Fréquence d'échantillonnage en Hz : %1.</translation>
    </message>
    <message>
        <source>mono or stereo.</source>
        <translation>mono ou stereo.</translation>
    </message>
    <message>
        <source>Files converted at once, 1 to %1 (the number of cores).</source>
        <translation>Fichiers convertis simultanément, de 1 à %1 (le nombre de cœurs).</translation>
    </message>
    <message>
        <source>Write every result into this existing folder, not into Converted/ beside each input.</source>
        <translation>Écrire tous les résultats dans ce dossier existant, et non dans Converted/ à côté de chaque fichier source.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>With --output: the files of a given folder keep its tree of folders inside the output folder.</source>
        <translation>Avec --output : les fichiers d'un dossier donné conservent son arborescence dans le dossier de sortie.</translation>
    </message>
    <message>
        <source>When a result is there already: rename (a new name, &quot;a 1.mp3&quot;) or skip (the file is left as it is).</source>
        <translation>Si un résultat existe déjà : rename (un nouveau nom, "a 1.mp3") ou skip (le fichier reste tel quel).</translation>
    </message>
    <message>
        <source>An album image with a cue sheet beside it gives one file per track, named and tagged as the sheet says.</source>
        <translation>Une image d'album accompagnée de son fichier CUE donne un fichier par piste, nommé et étiqueté d'après le CUE.</translation>
    </message>
    <message>
        <source>No progress and no line per file on standard error.</source>
        <translation>Ni progression ni ligne par fichier sur la sortie d'erreur standard.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Audio files and folders to convert.</source>
        <translation>Fichiers et dossiers audio à convertir.</translation>
    </message>
    <message>
        <source>--%1 needs a value; %2</source>
        <translation>--%1 attend une valeur ; %2</translation>
    </message>
    <message>
        <source>%1 The options are --convert, --format, --bitrate, --rate, --channels, --jobs, --output, --keep-folders, --existing, --split-cue, --quiet, --help and --version.</source>
        <translation>%1 Les options sont --convert, --format, --bitrate, --rate, --channels, --jobs, --output, --keep-folders, --existing, --split-cue, --quiet, --help et --version.</translation>
    </message>
    <message>
        <source>--%1 goes with --convert: qelvanto --convert [OPTIONS] PATH…</source>
        <translation>--%1 s'utilise avec --convert : qelvanto --convert [OPTIONS] PATH…</translation>
    </message>
    <message>
        <source>--convert needs at least one file or folder: qelvanto --convert [OPTIONS] PATH…</source>
        <translation>--convert attend au moins un fichier ou un dossier : qelvanto --convert [OPTIONS] PATH…</translation>
    </message>
    <message>
        <source>the format &quot;%1&quot; is not offered; %2</source>
        <translation>le format « %1 » n'est pas proposé ; %2</translation>
    </message>
    <message>
        <source>the bitrate &quot;%1&quot; is not offered; %2</source>
        <translation>le débit « %1 » n'est pas proposé ; %2</translation>
    </message>
    <message>
        <source>the sample rate &quot;%1&quot; is not offered; %2</source>
        <translation>la fréquence d'échantillonnage « %1 » n'est pas proposée ; %2</translation>
    </message>
    <message>
        <source>the channels &quot;%1&quot; is not offered; %2</source>
        <translation>la valeur de canaux « %1 » n'est pas proposée ; %2</translation>
    </message>
    <message>
        <source>--jobs &quot;%1&quot; is not offered; %2</source>
        <translation>la valeur « %1 » de --jobs n'est pas proposée ; %2</translation>
    </message>
    <message>
        <source>--output: the folder&apos;s name is not valid UTF-8; use another folder</source>
        <translation>--output : le nom du dossier n'est pas en UTF-8 valide ; indiquez un autre dossier</translation>
    </message>
    <message>
        <source>--output &quot;%1&quot; is not an existing folder; use an existing folder</source>
        <translation>--output : « %1 » n'est pas un dossier existant ; indiquez un dossier existant</translation>
    </message>
    <message>
        <source>--keep-folders goes with --output: qelvanto --convert --output DIR --keep-folders PATH…</source>
        <translation>--keep-folders s'utilise avec --output : qelvanto --convert --output DIR --keep-folders PATH…</translation>
    </message>
    <message>
        <source>--existing &quot;%1&quot; is not offered; %2</source>
        <translation>la valeur « %1 » de --existing n'est pas proposée ; %2</translation>
    </message>
    <message>
        <source>qelvanto: see qelvanto --help</source>
        <translation>qelvanto: voir qelvanto --help</translation>
    </message>
</context>
<context>
    <name>BannerController</name>
    <message>
        <source>Select File(s)</source>
        <translation>Sélectionner des fichiers</translation>
    </message>
    <message>
        <source>Convert these files?</source>
        <translation>Convertir ces fichiers ?</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Sélectionner un dossier</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Sélectionner un dossier</translation>
    </message>
    <message>
        <source>Now please select a folder to save the output media files.
(For example: Desktop)</source>
        <translation>Sélectionnez maintenant un dossier où enregistrer les fichiers convertis.
(Par exemple : Bureau)</translation>
    </message>
    <message>
        <source>Don&apos;t Show This Message Again</source>
        <translation>Ne plus afficher ce message</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Output the File to</source>
        <translation>Enregistrer les fichiers dans</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a file&apos;s share done</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>about %1 s left</source>
        <translation>il reste environ %1 s</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <translation>il reste environ %1 min</translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>il reste environ %1 h %2 min</translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <translation>il reste environ %1 h</translation>
    </message>
    <message>
        <source>it is not executable</source>
        <translation>il n'est pas exécutable</translation>
    </message>
</context>
<context>
    <name>BatchListModel</name>
    <message>
        <source>%1, converted to %2</source>
        <translation>%1, converti en %2</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Saved as</source>
        <translation>Enregistré sous</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The encoder does not take %1 mono at %2 Hz: every file would fail.</source>
        <translation>L'encodeur n'accepte pas %1 en mono à %2 Hz : aucun fichier ne serait converti.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 stereo at %2 Hz: every file would fail.</source>
        <translation>L'encodeur n'accepte pas %1 en stéréo à %2 Hz : aucun fichier ne serait converti.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 mono at %2 Hz above %3 kbit/s: every file would fail.</source>
        <translation>L'encodeur n'accepte pas %1 en mono à %2 Hz au-delà de %3 kbit/s : aucun fichier ne serait converti.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 stereo at %2 Hz above %3 kbit/s: every file would fail.</source>
        <translation>L'encodeur n'accepte pas %1 en stéréo à %2 Hz au-delà de %3 kbit/s : aucun fichier ne serait converti.</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>it is not a cue sheet (it holds a zero byte)</source>
        <translation>ce n'est pas un fichier CUE (il contient un octet nul)</translation>
    </message>
    <message>
        <source>it names more than %1 tracks</source>
        <translation>il indique plus de %1 pistes</translation>
    </message>
    <message>
        <source>it is not a cue sheet the reader understands</source>
        <translation>ce n'est pas un fichier CUE que l'analyseur sait lire</translation>
    </message>
    <message>
        <source>it names no track</source>
        <translation>il n'indique aucune piste</translation>
    </message>
    <message>
        <source>its track %1 cannot be read</source>
        <translation>sa piste %1 est illisible</translation>
    </message>
    <message>
        <source>its track %1 has no start</source>
        <translation>sa piste %1 n'indique pas de début</translation>
    </message>
    <message>
        <source>its track %1 names no file</source>
        <translation>sa piste %1 n'indique aucun fichier</translation>
    </message>
    <message>
        <source>its track %1 starts before track %2 ends</source>
        <translation>sa piste %1 commence avant la fin de la piste %2</translation>
    </message>
    <message>
        <source>%1 track %2 of %3</source>
        <translation>%1 piste %2 sur %3</translation>
    </message>
</context>
<context>
    <name>Decisions</name>
    <message>
        <source>its name is not valid UTF-8, so it cannot be handed to the encoder unchanged</source>
        <translation>son nom n'est pas en UTF-8 valide, il ne peut donc pas être transmis tel quel à l'encodeur</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>il ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>it is a playlist, which would make the encoder open the files it names</source>
        <translation>c'est une liste de lecture, qui ferait ouvrir à l'encodeur les fichiers qu'elle cite</translation>
    </message>
    <message>
        <source>it could not be examined: the system would not start the encoder (%1)</source>
        <translation>il n'a pas pu être analysé : le système n'a pas voulu lancer l'encodeur (%1)</translation>
    </message>
    <message>
        <source>it ended with code %1 at once</source>
        <translation>l'encodeur s'est arrêté aussitôt avec le code %1</translation>
    </message>
    <message>
        <source>the encoder did not finish reading it within %1 seconds</source>
        <translation>l'encodeur n'a pas fini de le lire en %1 secondes</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the encoder reported success but wrote nothing</source>
        <translation>l'encodeur a signalé une réussite mais n'a rien écrit</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>it is a folder</source>
        <translation>c'est un dossier</translation>
    </message>
    <message>
        <source>it is a FIFO, not a regular file</source>
        <translation>c'est un tube nommé (FIFO), pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>c'est un socket, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>c'est un périphérique, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n'est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>InputCollection</name>
    <message>
        <source>it is a folder that cannot be opened (%1)</source>
        <translation>c'est un dossier impossible à ouvrir (%1)</translation>
    </message>
    <message>
        <source>Left out %1: it holds the results of earlier runs.</source>
        <translation>Dossier %1 écarté : il contient les résultats de conversions précédentes.</translation>
    </message>
    <message>
        <source>Left out %1: it is the output folder, which holds results.</source>
        <translation>Dossier %1 écarté : c'est le dossier de sortie, qui contient des résultats.</translation>
    </message>
    <message>
        <source>its FILE %1 is not beside it</source>
        <translation>son FILE %1 n'est pas dans le même dossier</translation>
    </message>
    <message>
        <source>its FILE %1 is not there</source>
        <translation>son FILE %1 est introuvable</translation>
    </message>
    <message>
        <source>its FILE %1 is a link, which is not followed</source>
        <translation>son FILE %1 est un lien, qui n'est pas suivi</translation>
    </message>
    <message>
        <source>its FILE %1 is not a regular file</source>
        <translation>son FILE %1 n'est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than an album&apos;s cue sheet can be</source>
        <translation>il est plus gros que ne peut l'être le fichier CUE d'un album</translation>
    </message>
</context>
<context>
    <name>Journey</name>
    <message>
        <source>the system would not start the encoder (%1)</source>
        <translation>le système n'a pas voulu lancer l'encodeur (%1)</translation>
    </message>
    <message>
        <source>its image states no sample rate</source>
        <translation>son image n'indique aucune fréquence d'échantillonnage</translation>
    </message>
    <message>
        <source>it starts at %1, after the end of its image (%2)</source>
        <translation>elle commence à %1, après la fin de son image (%2)</translation>
    </message>
    <message>
        <source>its Converted folder %1 is a link, which is not followed</source>
        <translation>son dossier Converted %1 est un lien, qui n'est pas suivi</translation>
    </message>
    <message>
        <source>%1, where its Converted folder goes, is not a folder</source>
        <translation>%1, où doit aller son dossier Converted, n'est pas un dossier</translation>
    </message>
    <message>
        <source>it ended with code %1 at once</source>
        <translation>l'encodeur s'est arrêté aussitôt avec le code %1</translation>
    </message>
    <message>
        <source>Removed %1, which an interrupted run had left unfinished.</source>
        <translation>%1 supprimé : une conversion interrompue l'avait laissé inachevé.</translation>
    </message>
    <message>
        <source>its output %1 could not be created (%2)</source>
        <translation>son fichier de sortie %1 n'a pas pu être créé (%2)</translation>
    </message>
    <message>
        <source>a name or setting holds the text %1, which would split the encoder&apos;s arguments</source>
        <translation>un nom ou un réglage contient le texte %1, qui couperait les arguments de l'encodeur</translation>
    </message>
    <message>
        <source>the encoder could not be started</source>
        <translation>l'encodeur n'a pas pu être lancé</translation>
    </message>
    <message>
        <source>the encoder could not be started (%1)</source>
        <translation>l'encodeur n'a pas pu être lancé (%1)</translation>
    </message>
    <message>
        <source>the encoder did not finish reading it within %1 seconds</source>
        <translation>l'encodeur n'a pas fini de le lire en %1 secondes</translation>
    </message>
    <message>
        <source>it could not be saved (%1)</source>
        <translation>il n'a pas pu être enregistré (%1)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Drop audio files or folders here, or press Enter or Space to pick files</source>
        <translation>Déposez ici des fichiers ou dossiers audio, ou appuyez sur Entrée ou Espace pour choisir des fichiers</translation>
    </message>
    <message>
        <source>Drop audio files or folders here, or click to pick files (Ctrl+O)</source>
        <translation>Déposez ici des fichiers ou dossiers audio, ou cliquez pour choisir des fichiers (Ctrl+O)</translation>
    </message>
    <message>
        <source>How to add files</source>
        <translation>Comment ajouter des fichiers</translation>
    </message>
    <message>
        <source>Drop audio files or folders on the door, or click it to choose files.</source>
        <translation>Déposez des fichiers ou dossiers audio sur la porte, ou cliquez dessus pour choisir des fichiers.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Output format, which is also the new file&apos;s extension</source>
        <translation>Format de sortie, qui est aussi l'extension du nouveau fichier</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Audio bitrate in kilobits per second, used by the lossy formats</source>
        <translation>Débit audio en kilobits par seconde, utilisé par les formats avec perte</translation>
    </message>
    <message>
        <source>Audio bitrate in kbit/s (used by the lossy formats)</source>
        <translation>Débit audio en kbit/s (utilisé par les formats avec perte)</translation>
    </message>
    <message>
        <source>kbit/s</source>
        <translation>kbit/s</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Sample rate in hertz</source>
        <translation>Fréquence d'échantillonnage en hertz</translation>
    </message>
    <message>
        <source>Sample rate in Hz</source>
        <translation>Fréquence d'échantillonnage en Hz</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Mono or stereo</source>
        <translation>Mono ou stéréo</translation>
    </message>
    <message>
        <source>Number of channels</source>
        <translation>Nombre de canaux</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>At once</source>
        <translation>En parallèle</translation>
    </message>
    <message>
        <source>How many files convert at the same time</source>
        <translation>Nombre de fichiers convertis en même temps</translation>
    </message>
    <message>
        <source>How many files convert at the same time; each uses one processor core</source>
        <translation>Nombre de fichiers convertis en même temps ; chacun utilise un cœur du processeur</translation>
    </message>
    <message>
        <source>What the chosen format does with the sample rate</source>
        <translation>Ce que le format choisi fait de la fréquence d'échantillonnage</translation>
    </message>
    <message>
        <source>Whether the encoder takes the chosen format, bitrate, sample rate and channels</source>
        <translation>Si l'encodeur accepte le format, le débit, la fréquence d'échantillonnage et les canaux choisis</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Enregistrer dans</translation>
    </message>
    <message>
        <source>Original Folder puts the results in a Converted folder beside each file; otherwise you pick one folder when the batch starts</source>
        <translation>« Dossier d'origine » place les résultats dans un dossier Converted à côté de chaque fichier ; sinon, vous choisissez un dossier au lancement du lot</translation>
    </message>
    <message>
        <source>Original Folder: a Converted folder beside each file. Otherwise you pick one folder when the batch starts.</source>
        <translation>Dossier d'origine : un dossier Converted à côté de chaque fichier. Sinon, vous choisissez un dossier au lancement du lot.</translation>
    </message>
    <message>
        <source>Original Folder</source>
        <translation>Dossier d'origine</translation>
    </message>
    <message>
        <source>Choose a Folder…</source>
        <translation>Choisir un dossier…</translation>
    </message>
    <message>
        <source>Keep folders</source>
        <translation>Garder les dossiers</translation>
    </message>
    <message>
        <source>With a chosen folder, the files of a dropped folder keep its tree of folders inside it</source>
        <translation>Avec un dossier choisi, les fichiers d'un dossier déposé y conservent son arborescence</translation>
    </message>
    <message>
        <source>If it exists</source>
        <translation>S'il existe</translation>
    </message>
    <message>
        <source>When a file&apos;s result is there already: convert it again under a new name, or skip the file</source>
        <translation>Si le résultat d'un fichier existe déjà : le reconvertir sous un nouveau nom, ou ignorer le fichier</translation>
    </message>
    <message>
        <source>When a file&apos;s result is there already: New name converts it again as &quot;NAME 1&quot;, Skip leaves it as it is</source>
        <translation>Si le résultat d'un fichier existe déjà : « Nouveau nom » le reconvertit sous "NAME 1", « Ignorer » le laisse tel quel</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Split by cue sheet</source>
        <translation>Découper selon le CUE</translation>
    </message>
    <message>
        <source>An album image with a cue sheet beside it gives one file per track, named and tagged as the sheet says</source>
        <translation>Une image d'album accompagnée de son fichier CUE donne un fichier par piste, nommé et étiqueté d'après le CUE</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>The folder chosen for the results</source>
        <translation>Le dossier choisi pour les résultats</translation>
    </message>
    <message>
        <source>Converted/ beside each file</source>
        <translation>Converted/ à côté de chaque fichier</translation>
    </message>
    <message>
        <source>What is being done and how many files are left</source>
        <translation>Ce qui est en cours et combien de fichiers restent</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>How far the current file has got</source>
        <translation>Avancement du fichier en cours</translation>
    </message>
    <message>
        <source>How far the current file has got, in percent</source>
        <translation>Avancement du fichier en cours, en pourcentage</translation>
    </message>
    <message>
        <source>How long the whole batch will still take</source>
        <translation>Temps restant pour l'ensemble du lot</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Préparation</translation>
    </message>
    <message>
        <source>The current file is being examined</source>
        <translation>Le fichier actuel est en cours d'analyse</translation>
    </message>
    <message>
        <source>Opens the guide</source>
        <translation>Ouvre le guide</translation>
    </message>
    <message>
        <source>Qelvanto help</source>
        <translation>Aide de Qelvanto</translation>
    </message>
    <message>
        <source>While files convert it reads Stop and stops every conversion that runs; otherwise it only shows the door picture again</source>
        <translation>Pendant la conversion, il affiche « Arrêter » et arrête toutes les conversions en cours ; sinon, il réaffiche simplement l'image de la porte</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Console</translation>
    </message>
    <message>
        <source>What the encoder did, file by file</source>
        <translation>Ce qu'a fait l'encodeur, fichier par fichier</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>État de l'encodeur</translation>
    </message>
    <message>
        <source>The encoder&apos;s latest status line</source>
        <translation>Dernière ligne d'état de l'encodeur</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 fichier</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%Ln fichier</numerusform>
            <numerusform>%Ln fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Files of the batch</source>
        <translation>Fichiers du lot</translation>
    </message>
    <message>
        <source>Each file of the batch, what became of it and where it was saved; Enter shows a converted file in the file manager</source>
        <translation>Chaque fichier du lot, ce qu'il est devenu et où il a été enregistré ; Entrée montre un fichier converti dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Asked for when the batch starts</source>
        <translation>Demandé au lancement du lot</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>converted with problems to %1: %2</source>
        <translation>converti avec des problèmes en %1 : %2</translation>
    </message>
    <message>
        <source>converted to %1</source>
        <translation>converti en %1</translation>
    </message>
    <message>
        <source>already converted as %1, left as it is</source>
        <translation>déjà converti en %1, laissé tel quel</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>échec : %1</translation>
    </message>
    <message>
        <source>failed with result code %1</source>
        <translation>échec avec le code de retour %1</translation>
    </message>
    <message>
        <source>failed with result code %1: %2</source>
        <translation>échec avec le code de retour %1 : %2</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>not audio, skipped</source>
        <translation>pas un fichier audio, ignoré</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>écarté : %1</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>illisible : %1</translation>
    </message>
    <message>
        <source>Conversion Completed.</source>
        <translation>Conversion terminée.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files failed; the console has the details.</source>
        <translation>
            <numerusform>%Ln fichier sur %1 a échoué ; les détails sont dans la console.</numerusform>
            <numerusform>%Ln fichiers sur %1 ont échoué ; les détails sont dans la console.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files failed.</source>
        <translation>
            <numerusform>%Ln fichier sur %1 a échoué.</numerusform>
            <numerusform>%Ln fichiers sur %1 ont échoué.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files were stopped.</source>
        <translation>
            <numerusform>%Ln fichier sur %1 a été arrêté.</numerusform>
            <numerusform>%Ln fichiers sur %1 ont été arrêtés.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not audio and was skipped.</source>
        <translation>1 fichier ne contenait pas d'audio et a été ignoré.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not audio and were skipped.</source>
        <translation>
            <numerusform>%Ln fichier ne contenait pas d'audio et a été ignoré.</numerusform>
            <numerusform>%Ln fichiers ne contenaient pas d'audio et ont été ignorés.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was converted with problems; the console has the details.</source>
        <translation>1 fichier a été converti avec des problèmes ; les détails sont dans la console.</translation>
    </message>
    <message>
        <source>1 file was converted with problems.</source>
        <translation>1 fichier a été converti avec des problèmes.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were converted with problems; the console has the details.</source>
        <translation>
            <numerusform>%Ln fichier a été converti avec des problèmes ; les détails sont dans la console.</numerusform>
            <numerusform>%Ln fichiers ont été convertis avec des problèmes ; les détails sont dans la console.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were converted with problems.</source>
        <translation>
            <numerusform>%Ln fichier a été converti avec des problèmes.</numerusform>
            <numerusform>%Ln fichiers ont été convertis avec des problèmes.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was already converted and was left as it is.</source>
        <translation>1 fichier était déjà converti et a été laissé tel quel.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were already converted and were left as they are.</source>
        <translation>
            <numerusform>%Ln fichier était déjà converti et a été laissé tel quel.</numerusform>
            <numerusform>%Ln fichiers étaient déjà convertis et ont été laissés tels quels.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %Ln autre</numerusform>
            <numerusform>et %Ln autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Presenter</name>
    <message>
        <source>Stopped %1: its unfinished output %2 was removed.</source>
        <translation>%1 arrêté : son fichier de sortie inachevé %2 a été supprimé.</translation>
    </message>
    <message>
        <source>Not converted %1: its unfinished output %2 was removed.</source>
        <translation>%1 non converti : son fichier de sortie inachevé %2 a été supprimé.</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Examining</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Converting %1%</source>
        <translation>Conversion %1 %</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Converted with problems: %1</source>
        <translation>Converti avec des problèmes : %1</translation>
    </message>
    <message>
        <source>Already converted</source>
        <translation>Déjà converti</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Échec : %1</translation>
    </message>
    <message>
        <source>result code %1</source>
        <translation>code de retour %1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Not audio</source>
        <translation>Non audio</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>Écarté : %1</translation>
    </message>
    <message numerus="yes">
        <source>Preparing the File - %n File(s) Left</source>
        <translation>
            <numerusform>Préparation du fichier - %Ln fichier restant</numerusform>
            <numerusform>Préparation du fichier - %Ln fichiers restants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Converting - %n File(s) Left</source>
        <translation>
            <numerusform>Conversion - %Ln fichier restant</numerusform>
            <numerusform>Conversion - %Ln fichiers restants</numerusform>
        </translation>
    </message>
    <message>
        <source>Qelvanto — %1 of %2 — %3</source>
        <translation>Qelvanto — %1 sur %2 — %3</translation>
    </message>
    <message>
        <source>Not converted %1: %2.</source>
        <translation>%1 non converti : %2.</translation>
    </message>
    <message>
        <source>Converted with problems %1: %2.</source>
        <translation>%1 converti avec des problèmes : %2.</translation>
    </message>
    <message>
        <source>Left out %1: %2.</source>
        <translation>%1 écarté : %2.</translation>
    </message>
    <message>
        <source>Stopped %1 before its conversion.</source>
        <translation>%1 arrêté avant sa conversion.</translation>
    </message>
    <message>
        <source>Already converted %1: %2 is there.</source>
        <translation>%1 déjà converti : %2 existe déjà.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files were not started.</source>
        <translation>
            <numerusform>%Ln fichier sur %1 n'a pas été lancé.</numerusform>
            <numerusform>%Ln fichiers sur %1 n'ont pas été lancés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Qelvanto: %n of %1 files converted</source>
        <translation>
            <numerusform>Qelvanto : %Ln fichier sur %1 converti</numerusform>
            <numerusform>Qelvanto : %Ln fichiers sur %1 convertis</numerusform>
        </translation>
    </message>
    <message>
        <source>The encoder is missing</source>
        <translation>Encodeur introuvable</translation>
    </message>
    <message>
        <source>The program &quot;ffmpeg&quot; was not found in %1. Reinstall Qelvanto, or install the ffmpeg package and build again.</source>
        <translation>Le programme « ffmpeg » est introuvable dans %1. Réinstallez Qelvanto, ou installez le paquet ffmpeg et recompilez.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>The encoder cannot be run</source>
        <translation>Impossible de lancer l'encodeur</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be run: %2. Reinstall Qelvanto, or install the ffmpeg package and build again.</source>
        <translation>Le programme « %1 » n'a pas pu être lancé : %2. Réinstallez Qelvanto, ou installez le paquet ffmpeg et recompilez.</translation>
    </message>
    <message>
        <source>qelvanto: the encoder is missing: &quot;ffmpeg&quot; was not found in %1. Reinstall Qelvanto, or install the ffmpeg package.</source>
        <translation>qelvanto: encodeur introuvable : « ffmpeg » n'a pas été trouvé dans %1. Réinstallez Qelvanto, ou installez le paquet ffmpeg.</translation>
    </message>
    <message>
        <source>qelvanto: the encoder &quot;%1&quot; cannot be run: %2. Reinstall Qelvanto, or install the ffmpeg package.</source>
        <translation>qelvanto: impossible de lancer l'encodeur « %1 » : %2. Réinstallez Qelvanto, ou installez le paquet ffmpeg.</translation>
    </message>
    <message>
        <source>opus converts at %1 Hz, whatever the sample rate box says</source>
        <translation>opus convertit à %1 Hz, quelle que soit la fréquence choisie</translation>
    </message>
    <message>
        <source>%1, %2 kbit/s</source>
        <translation>%1, %2 kbit/s</translation>
    </message>
    <message>
        <source>Convert 1 file to %1, into Converted/ beside each file?</source>
        <translation>Convertir 1 fichier en %1, dans Converted/ à côté du fichier ?</translation>
    </message>
    <message numerus="yes">
        <source>Convert %n files to %1, into Converted/ beside each file?</source>
        <translation>
            <numerusform>Convertir %Ln fichier en %1, dans Converted/ à côté du fichier ?</numerusform>
            <numerusform>Convertir %Ln fichiers en %1, dans Converted/ à côté de chaque fichier ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Convert 1 file to %1, into a folder you choose next?</source>
        <translation>Convertir 1 fichier en %1, dans un dossier à choisir ensuite ?</translation>
    </message>
    <message numerus="yes">
        <source>Convert %n files to %1, into a folder you choose next?</source>
        <translation>
            <numerusform>Convertir %Ln fichier en %1, dans un dossier à choisir ensuite ?</numerusform>
            <numerusform>Convertir %Ln fichiers en %1, dans un dossier à choisir ensuite ?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProbeText</name>
    <message>
        <source>only %1 of %2 could be read</source>
        <translation>lecture limitée à %1 sur %2</translation>
    </message>
    <message>
        <source>1 error while decoding</source>
        <translation>1 erreur de décodage</translation>
    </message>
    <message numerus="yes">
        <source>%n errors while decoding</source>
        <translation>
            <numerusform>%Ln erreur de décodage</numerusform>
            <numerusform>%Ln erreurs de décodage</numerusform>
        </translation>
    </message>
    <message>
        <source>its timestamps ran backwards once</source>
        <translation>ses horodatages ont reculé une fois</translation>
    </message>
    <message numerus="yes">
        <source>its timestamps ran backwards %n times</source>
        <translation>
            <numerusform>ses horodatages ont reculé %Ln fois</numerusform>
            <numerusform>ses horodatages ont reculé %Ln fois</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation> ; </translation>
    </message>
</context>
</TS>
