<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Arguments</name>
    <message>
        <source>use one of: %1</source>
        <translation>use um destes: %1</translation>
    </message>
    <message>
        <source>use one of: %1 (kbit/s)</source>
        <translation>use um destes: %1 (kbit/s)</translation>
    </message>
    <message>
        <source>use one of: %1 (Hz)</source>
        <translation>use um destes: %1 (Hz)</translation>
    </message>
    <message>
        <source>use a number of files from 1 to %1 (the number of cores)</source>
        <translation>use um número de arquivos de 1 a %1 (o número de núcleos)</translation>
    </message>
    <message>
        <source>use an existing folder</source>
        <translation>use uma pasta existente</translation>
    </message>
    <message>
        <source>see qelvanto --help</source>
        <translation>veja qelvanto --help</translation>
    </message>
    <message>
        <source>Converts batches of audio files.
Without --convert it opens its window and starts a batch of the given files and
folders, as if they had been dropped on the door.
With --convert it converts them without a window. Options not given take the
window&apos;s last choices. Exit status: 0 every audio file converted, 1 a file failed,
was stopped or was left out, 2 a usage error, 130 or 143 interrupted.</source>
        <translation>Converte lotes de arquivos de áudio.
Sem --convert, abre sua janela e inicia um lote com os arquivos e pastas
indicados, como se tivessem sido soltos sobre a porta.
Com --convert, converte-os sem janela. As opções não indicadas usam as últimas
escolhas da janela. Código de saída: 0 se todos os arquivos de áudio foram
convertidos, 1 se um arquivo falhou, foi interrompido ou foi omitido, 2 se houve
um erro de uso, 130 ou 143 se o programa foi encerrado por um sinal.</translation>
    </message>
    <message>
        <source>Convert without a window; a summary follows on standard output.</source>
        <translation>Converter sem janela; ao final, um resumo aparece na saída padrão.</translation>
    </message>
    <message>
        <source>Output format: %1.</source>
        <translation>Formato de saída: %1.</translation>
    </message>
    <message>
        <source>Bitrate in kbit/s: %1.</source>
        <translation>Taxa de bits em kbit/s: %1.</translation>
    </message>
    <message>
        <source>Sample rate in Hz: %1.</source>
        <translation>Taxa de amostragem em Hz: %1.</translation>
    </message>
    <message>
        <source>mono or stereo.</source>
        <translation>mono ou stereo.</translation>
    </message>
    <message>
        <source>Files converted at once, 1 to %1 (the number of cores).</source>
        <translation>Arquivos convertidos ao mesmo tempo, de 1 a %1 (o número de núcleos).</translation>
    </message>
    <message>
        <source>Write every result into this existing folder, not into Converted/ beside each input.</source>
        <translation>Salvar cada resultado nesta pasta existente, e não em Converted/ ao lado de cada arquivo de entrada.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>pasta</translation>
    </message>
    <message>
        <source>With --output: the files of a given folder keep its tree of folders inside the output folder.</source>
        <translation>Com --output: os arquivos de uma pasta indicada mantêm sua árvore de pastas dentro da pasta de saída.</translation>
    </message>
    <message>
        <source>When a result is there already: rename (a new name, &quot;a 1.mp3&quot;) or skip (the file is left as it is).</source>
        <translation>Quando um resultado já existe: rename (um nome novo, &quot;a 1.mp3&quot;) ou skip (o arquivo fica como está).</translation>
    </message>
    <message>
        <source>An album image with a cue sheet beside it gives one file per track, named and tagged as the sheet says.</source>
        <translation>Uma imagem de álbum com um arquivo CUE ao lado gera um arquivo por faixa, com os nomes e tags indicados no arquivo CUE.</translation>
    </message>
    <message>
        <source>No progress and no line per file on standard error.</source>
        <translation>Sem progresso nem uma linha por arquivo na saída de erro padrão.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ajuda e sair.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar a versão e sair.</translation>
    </message>
    <message>
        <source>Audio files and folders to convert.</source>
        <translation>Arquivos e pastas de áudio a converter.</translation>
    </message>
    <message>
        <source>--%1 needs a value; %2</source>
        <translation>--%1 precisa de um valor; %2</translation>
    </message>
    <message>
        <source>%1 The options are --convert, --format, --bitrate, --rate, --channels, --jobs, --output, --keep-folders, --existing, --split-cue, --quiet, --help and --version.</source>
        <translation>%1 As opções são --convert, --format, --bitrate, --rate, --channels, --jobs, --output, --keep-folders, --existing, --split-cue, --quiet, --help e --version.</translation>
    </message>
    <message>
        <source>--%1 goes with --convert: qelvanto --convert [OPTIONS] PATH…</source>
        <translation>--%1 exige --convert: qelvanto --convert [OPTIONS] PATH…</translation>
    </message>
    <message>
        <source>--convert needs at least one file or folder: qelvanto --convert [OPTIONS] PATH…</source>
        <translation>--convert precisa de pelo menos um arquivo ou pasta: qelvanto --convert [OPTIONS] PATH…</translation>
    </message>
    <message>
        <source>the format &quot;%1&quot; is not offered; %2</source>
        <translation>o formato &quot;%1&quot; não está disponível; %2</translation>
    </message>
    <message>
        <source>the bitrate &quot;%1&quot; is not offered; %2</source>
        <translation>a taxa de bits &quot;%1&quot; não está disponível; %2</translation>
    </message>
    <message>
        <source>the sample rate &quot;%1&quot; is not offered; %2</source>
        <translation>a taxa de amostragem &quot;%1&quot; não está disponível; %2</translation>
    </message>
    <message>
        <source>the channels &quot;%1&quot; is not offered; %2</source>
        <translation>o valor de canais &quot;%1&quot; não está disponível; %2</translation>
    </message>
    <message>
        <source>--jobs &quot;%1&quot; is not offered; %2</source>
        <translation>--jobs &quot;%1&quot; não está disponível; %2</translation>
    </message>
    <message>
        <source>--output: the folder&apos;s name is not valid UTF-8; use another folder</source>
        <translation>--output: o nome da pasta não é UTF-8 válido; use outra pasta</translation>
    </message>
    <message>
        <source>--output &quot;%1&quot; is not an existing folder; use an existing folder</source>
        <translation>--output &quot;%1&quot; não é uma pasta existente; use uma pasta existente</translation>
    </message>
    <message>
        <source>--keep-folders goes with --output: qelvanto --convert --output DIR --keep-folders PATH…</source>
        <translation>--keep-folders exige --output: qelvanto --convert --output DIR --keep-folders PATH…</translation>
    </message>
    <message>
        <source>--existing &quot;%1&quot; is not offered; %2</source>
        <translation>--existing &quot;%1&quot; não está disponível; %2</translation>
    </message>
    <message>
        <source>qelvanto: see qelvanto --help</source>
        <translation>qelvanto: veja qelvanto --help</translation>
    </message>
</context>
<context>
    <name>BannerController</name>
    <message>
        <source>Select File(s)</source>
        <translation>Selecionar arquivos</translation>
    </message>
    <message>
        <source>Convert these files?</source>
        <translation>Converter estes arquivos?</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Selecione uma pasta</translation>
    </message>
    <message>
        <source>Now please select a folder to save the output media files.
(For example: Desktop)</source>
        <translation>Agora selecione uma pasta para salvar os arquivos convertidos.
(Por exemplo: Área de Trabalho)</translation>
    </message>
    <message>
        <source>Don&apos;t Show This Message Again</source>
        <translation>Não mostrar esta mensagem novamente</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Output the File to</source>
        <translation>Salvar os arquivos em</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a file&apos;s share done</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Executar</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Concluído</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>about %1 s left</source>
        <translation>tempo restante: cerca de %1 s</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <translation>tempo restante: cerca de %1 min</translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>tempo restante: cerca de %1 h %2 min</translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <translation>tempo restante: cerca de %1 h</translation>
    </message>
    <message>
        <source>it is not executable</source>
        <translation>não é executável</translation>
    </message>
</context>
<context>
    <name>BatchListModel</name>
    <message>
        <source>%1, converted to %2</source>
        <translation>%1, convertido em %2</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Saved as</source>
        <translation>Salvo como</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The encoder does not take %1 mono at %2 Hz: every file would fail.</source>
        <translation>O codificador não aceita %1 mono a %2 Hz: todos os arquivos falhariam.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 stereo at %2 Hz: every file would fail.</source>
        <translation>O codificador não aceita %1 estéreo a %2 Hz: todos os arquivos falhariam.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 mono at %2 Hz above %3 kbit/s: every file would fail.</source>
        <translation>O codificador não aceita %1 mono a %2 Hz acima de %3 kbit/s: todos os arquivos falhariam.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 stereo at %2 Hz above %3 kbit/s: every file would fail.</source>
        <translation>O codificador não aceita %1 estéreo a %2 Hz acima de %3 kbit/s: todos os arquivos falhariam.</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>it is not a cue sheet (it holds a zero byte)</source>
        <translation>não é um arquivo CUE (contém um byte zero)</translation>
    </message>
    <message>
        <source>it names more than %1 tracks</source>
        <translation>indica mais de %1 faixas</translation>
    </message>
    <message>
        <source>it is not a cue sheet the reader understands</source>
        <translation>não é um arquivo CUE que o leitor entenda</translation>
    </message>
    <message>
        <source>it names no track</source>
        <translation>não indica nenhuma faixa</translation>
    </message>
    <message>
        <source>its track %1 cannot be read</source>
        <translation>sua faixa %1 não pode ser lida</translation>
    </message>
    <message>
        <source>its track %1 has no start</source>
        <translation>sua faixa %1 não tem início</translation>
    </message>
    <message>
        <source>its track %1 names no file</source>
        <translation>sua faixa %1 não indica nenhum arquivo</translation>
    </message>
    <message>
        <source>its track %1 starts before track %2 ends</source>
        <translation>sua faixa %1 começa antes de a faixa %2 terminar</translation>
    </message>
    <message>
        <source>%1 track %2 of %3</source>
        <translation>%1 faixa %2 de %3</translation>
    </message>
</context>
<context>
    <name>Decisions</name>
    <message>
        <source>its name is not valid UTF-8, so it cannot be handed to the encoder unchanged</source>
        <translation>seu nome não é UTF-8 válido, então não pode ser passado ao codificador sem alterações</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>não pode ser lido (%1)</translation>
    </message>
    <message>
        <source>it is a playlist, which would make the encoder open the files it names</source>
        <translation>é uma lista de reprodução, o que faria o codificador abrir os arquivos listados nela</translation>
    </message>
    <message>
        <source>it could not be examined: the system would not start the encoder (%1)</source>
        <translation>não foi possível examiná-lo: o sistema não conseguiu iniciar o codificador (%1)</translation>
    </message>
    <message>
        <source>it ended with code %1 at once</source>
        <translation>o codificador terminou imediatamente com o código %1</translation>
    </message>
    <message>
        <source>the encoder did not finish reading it within %1 seconds</source>
        <translation>o codificador não terminou de lê-lo em %1 segundos</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the encoder reported success but wrote nothing</source>
        <translation>o codificador informou sucesso, mas não gravou nada</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it is a FIFO, not a regular file</source>
        <translation>é um FIFO, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>é um socket, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>é um dispositivo, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
</context>
<context>
    <name>InputCollection</name>
    <message>
        <source>it is a folder that cannot be opened (%1)</source>
        <translation>é uma pasta que não pode ser aberta (%1)</translation>
    </message>
    <message>
        <source>Left out %1: it holds the results of earlier runs.</source>
        <translation>Pasta %1 omitida: contém os resultados de execuções anteriores.</translation>
    </message>
    <message>
        <source>Left out %1: it is the output folder, which holds results.</source>
        <translation>Pasta %1 omitida: é a pasta de saída, que contém resultados.</translation>
    </message>
    <message>
        <source>its FILE %1 is not beside it</source>
        <translation>seu FILE %1 não está na mesma pasta</translation>
    </message>
    <message>
        <source>its FILE %1 is not there</source>
        <translation>seu FILE %1 não existe</translation>
    </message>
    <message>
        <source>its FILE %1 is a link, which is not followed</source>
        <translation>seu FILE %1 é um link, e links não são seguidos</translation>
    </message>
    <message>
        <source>its FILE %1 is not a regular file</source>
        <translation>seu FILE %1 não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is larger than an album&apos;s cue sheet can be</source>
        <translation>é maior do que um arquivo CUE de álbum pode ser</translation>
    </message>
</context>
<context>
    <name>Journey</name>
    <message>
        <source>the system would not start the encoder (%1)</source>
        <translation>o sistema não conseguiu iniciar o codificador (%1)</translation>
    </message>
    <message>
        <source>its image states no sample rate</source>
        <translation>sua imagem não informa a taxa de amostragem</translation>
    </message>
    <message>
        <source>it starts at %1, after the end of its image (%2)</source>
        <translation>começa em %1, depois do fim de sua imagem (%2)</translation>
    </message>
    <message>
        <source>its Converted folder %1 is a link, which is not followed</source>
        <translation>sua pasta Converted %1 é um link, e links não são seguidos</translation>
    </message>
    <message>
        <source>%1, where its Converted folder goes, is not a folder</source>
        <translation>%1, onde fica sua pasta Converted, não é uma pasta</translation>
    </message>
    <message>
        <source>it ended with code %1 at once</source>
        <translation>o codificador terminou imediatamente com o código %1</translation>
    </message>
    <message>
        <source>Removed %1, which an interrupted run had left unfinished.</source>
        <translation>%1 foi removido, pois uma execução interrompida o deixou incompleto.</translation>
    </message>
    <message>
        <source>its output %1 could not be created (%2)</source>
        <translation>não foi possível criar sua saída %1 (%2)</translation>
    </message>
    <message>
        <source>a name or setting holds the text %1, which would split the encoder&apos;s arguments</source>
        <translation>um nome ou configuração contém o texto %1, que dividiria os argumentos do codificador</translation>
    </message>
    <message>
        <source>the encoder could not be started</source>
        <translation>não foi possível iniciar o codificador</translation>
    </message>
    <message>
        <source>the encoder could not be started (%1)</source>
        <translation>não foi possível iniciar o codificador (%1)</translation>
    </message>
    <message>
        <source>the encoder did not finish reading it within %1 seconds</source>
        <translation>o codificador não terminou de lê-lo em %1 segundos</translation>
    </message>
    <message>
        <source>it could not be saved (%1)</source>
        <translation>não foi possível salvá-lo (%1)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add files</source>
        <translation>Adicionar arquivos</translation>
    </message>
    <message>
        <source>Drop audio files or folders here, or press Enter or Space to pick files</source>
        <translation>Solte aqui arquivos ou pastas de áudio, ou pressione Enter ou Espaço para escolher arquivos</translation>
    </message>
    <message>
        <source>Drop audio files or folders here, or click to pick files (Ctrl+O)</source>
        <translation>Solte aqui arquivos ou pastas de áudio, ou clique para escolher arquivos (Ctrl+O)</translation>
    </message>
    <message>
        <source>How to add files</source>
        <translation>Como adicionar arquivos</translation>
    </message>
    <message>
        <source>Drop audio files or folders on the door, or click it to choose files.</source>
        <translation>Solte arquivos ou pastas de áudio sobre a porta, ou clique nela para escolher arquivos.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Output format, which is also the new file&apos;s extension</source>
        <translation>Formato de saída, que também é a extensão do novo arquivo</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Taxa de bits</translation>
    </message>
    <message>
        <source>Audio bitrate in kilobits per second, used by the lossy formats</source>
        <translation>Taxa de bits do áudio em kilobits por segundo, usada pelos formatos com perda</translation>
    </message>
    <message>
        <source>Audio bitrate in kbit/s (used by the lossy formats)</source>
        <translation>Taxa de bits do áudio em kbit/s (usada pelos formatos com perda)</translation>
    </message>
    <message>
        <source>kbit/s</source>
        <translation>kbit/s</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Amostragem</translation>
    </message>
    <message>
        <source>Sample rate in hertz</source>
        <translation>Taxa de amostragem em hertz</translation>
    </message>
    <message>
        <source>Sample rate in Hz</source>
        <translation>Taxa de amostragem em Hz</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>Mono or stereo</source>
        <translation>Mono ou estéreo</translation>
    </message>
    <message>
        <source>Number of channels</source>
        <translation>Número de canais</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>At once</source>
        <translation>Ao mesmo tempo</translation>
    </message>
    <message>
        <source>How many files convert at the same time</source>
        <translation>Quantos arquivos são convertidos ao mesmo tempo</translation>
    </message>
    <message>
        <source>How many files convert at the same time; each uses one processor core</source>
        <translation>Quantos arquivos são convertidos ao mesmo tempo; cada um usa um núcleo do processador</translation>
    </message>
    <message>
        <source>What the chosen format does with the sample rate</source>
        <translation>O que o formato escolhido faz com a taxa de amostragem</translation>
    </message>
    <message>
        <source>Whether the encoder takes the chosen format, bitrate, sample rate and channels</source>
        <translation>Se o codificador aceita o formato, a taxa de bits, a taxa de amostragem e os canais escolhidos</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Salvar em</translation>
    </message>
    <message>
        <source>Original Folder puts the results in a Converted folder beside each file; otherwise you pick one folder when the batch starts</source>
        <translation>“Pasta original” coloca os resultados em uma pasta Converted ao lado de cada arquivo; caso contrário, você escolhe uma pasta quando o lote começa</translation>
    </message>
    <message>
        <source>Original Folder: a Converted folder beside each file. Otherwise you pick one folder when the batch starts.</source>
        <translation>Pasta original: uma pasta Converted ao lado de cada arquivo. Caso contrário, você escolhe uma pasta quando o lote começa.</translation>
    </message>
    <message>
        <source>Original Folder</source>
        <translation>Pasta original</translation>
    </message>
    <message>
        <source>Choose a Folder…</source>
        <translation>Escolher uma pasta…</translation>
    </message>
    <message>
        <source>Keep folders</source>
        <translation>Manter pastas</translation>
    </message>
    <message>
        <source>With a chosen folder, the files of a dropped folder keep its tree of folders inside it</source>
        <translation>Com uma pasta escolhida, os arquivos de uma pasta arrastada mantêm sua árvore de pastas dentro dela</translation>
    </message>
    <message>
        <source>If it exists</source>
        <translation>Se já existir</translation>
    </message>
    <message>
        <source>When a file&apos;s result is there already: convert it again under a new name, or skip the file</source>
        <translation>Quando o resultado de um arquivo já existe: convertê-lo de novo com um novo nome ou pular o arquivo</translation>
    </message>
    <message>
        <source>When a file&apos;s result is there already: New name converts it again as &quot;NAME 1&quot;, Skip leaves it as it is</source>
        <translation>Quando o resultado de um arquivo já existe: “Novo nome” o converte de novo como &quot;NAME 1&quot; e “Pular” o deixa como está</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Novo nome</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pular</translation>
    </message>
    <message>
        <source>Split by cue sheet</source>
        <translation>Dividir por arquivo CUE</translation>
    </message>
    <message>
        <source>An album image with a cue sheet beside it gives one file per track, named and tagged as the sheet says</source>
        <translation>Uma imagem de álbum com um arquivo CUE ao lado gera um arquivo por faixa, com os nomes e tags indicados no arquivo CUE</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <source>The folder chosen for the results</source>
        <translation>A pasta escolhida para os resultados</translation>
    </message>
    <message>
        <source>Converted/ beside each file</source>
        <translation>Converted/ ao lado de cada arquivo</translation>
    </message>
    <message>
        <source>What is being done and how many files are left</source>
        <translation>O que está sendo feito e quantos arquivos faltam</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>How far the current file has got</source>
        <translation>Quanto o arquivo atual já avançou</translation>
    </message>
    <message>
        <source>How far the current file has got, in percent</source>
        <translation>Quanto o arquivo atual já avançou, em porcentagem</translation>
    </message>
    <message>
        <source>How long the whole batch will still take</source>
        <translation>Quanto tempo ainda falta para todo o lote</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparando</translation>
    </message>
    <message>
        <source>The current file is being examined</source>
        <translation>O arquivo atual está sendo examinado</translation>
    </message>
    <message>
        <source>Opens the guide</source>
        <translation>Abre o guia</translation>
    </message>
    <message>
        <source>Qelvanto help</source>
        <translation>Ajuda do Qelvanto</translation>
    </message>
    <message>
        <source>While files convert it reads Stop and stops every conversion that runs; otherwise it only shows the door picture again</source>
        <translation>Enquanto os arquivos são convertidos, mostra “Parar” e interrompe todas as conversões em andamento; caso contrário, apenas mostra de novo a imagem da porta</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Executar</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Console</translation>
    </message>
    <message>
        <source>What the encoder did, file by file</source>
        <translation>O que o codificador fez, arquivo por arquivo</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>Status do codificador</translation>
    </message>
    <message>
        <source>The encoder&apos;s latest status line</source>
        <translation>A última linha de status do codificador</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 arquivo</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%Ln arquivo</numerusform>
            <numerusform>%Ln arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Files of the batch</source>
        <translation>Arquivos do lote</translation>
    </message>
    <message>
        <source>Each file of the batch, what became of it and where it was saved; Enter shows a converted file in the file manager</source>
        <translation>Cada arquivo do lote, o que aconteceu com ele e onde foi salvo; Enter mostra um arquivo convertido no gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Asked for when the batch starts</source>
        <translation>Escolhida ao iniciar o lote</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>converted with problems to %1: %2</source>
        <translation>convertido com problemas em %1: %2</translation>
    </message>
    <message>
        <source>converted to %1</source>
        <translation>convertido em %1</translation>
    </message>
    <message>
        <source>already converted as %1, left as it is</source>
        <translation>já convertido como %1, mantido como está</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>falhou: %1</translation>
    </message>
    <message>
        <source>failed with result code %1</source>
        <translation>falhou com o código de resultado %1</translation>
    </message>
    <message>
        <source>failed with result code %1: %2</source>
        <translation>falhou com o código de resultado %1: %2</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>interrompido</translation>
    </message>
    <message>
        <source>not audio, skipped</source>
        <translation>não é áudio, ignorado</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>omitido: %1</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>não pôde ser lido: %1</translation>
    </message>
    <message>
        <source>Conversion Completed.</source>
        <translation>Conversão concluída.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files failed; the console has the details.</source>
        <translation>
            <numerusform>%Ln de %1 arquivos falhou; os detalhes estão no console.</numerusform>
            <numerusform>%Ln de %1 arquivos falharam; os detalhes estão no console.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files failed.</source>
        <translation>
            <numerusform>%Ln de %1 arquivos falhou.</numerusform>
            <numerusform>%Ln de %1 arquivos falharam.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files were stopped.</source>
        <translation>
            <numerusform>%Ln de %1 arquivos foi interrompido.</numerusform>
            <numerusform>%Ln de %1 arquivos foram interrompidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not audio and was skipped.</source>
        <translation>1 arquivo não era áudio e foi ignorado.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not audio and were skipped.</source>
        <translation>
            <numerusform>%Ln arquivo não era áudio e foi ignorado.</numerusform>
            <numerusform>%Ln arquivos não eram áudio e foram ignorados.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was converted with problems; the console has the details.</source>
        <translation>1 arquivo foi convertido com problemas; os detalhes estão no console.</translation>
    </message>
    <message>
        <source>1 file was converted with problems.</source>
        <translation>1 arquivo foi convertido com problemas.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were converted with problems; the console has the details.</source>
        <translation>
            <numerusform>%Ln arquivo foi convertido com problemas; os detalhes estão no console.</numerusform>
            <numerusform>%Ln arquivos foram convertidos com problemas; os detalhes estão no console.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were converted with problems.</source>
        <translation>
            <numerusform>%Ln arquivo foi convertido com problemas.</numerusform>
            <numerusform>%Ln arquivos foram convertidos com problemas.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was already converted and was left as it is.</source>
        <translation>1 arquivo já estava convertido e foi mantido como estava.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were already converted and were left as they are.</source>
        <translation>
            <numerusform>%Ln arquivo já estava convertido e foi mantido como estava.</numerusform>
            <numerusform>%Ln arquivos já estavam convertidos e foram mantidos como estavam.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais %Ln</numerusform>
            <numerusform>e mais %Ln</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Presenter</name>
    <message>
        <source>Stopped %1: its unfinished output %2 was removed.</source>
        <translation>%1 foi interrompido: sua saída incompleta %2 foi removida.</translation>
    </message>
    <message>
        <source>Not converted %1: its unfinished output %2 was removed.</source>
        <translation>%1 não foi convertido: sua saída incompleta %2 foi removida.</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Aguardando</translation>
    </message>
    <message>
        <source>Examining</source>
        <translation>Examinando</translation>
    </message>
    <message>
        <source>Converting %1%</source>
        <translation>Convertendo %1%</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Convertendo</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Convertido</translation>
    </message>
    <message>
        <source>Converted with problems: %1</source>
        <translation>Convertido com problemas: %1</translation>
    </message>
    <message>
        <source>Already converted</source>
        <translation>Já convertido</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Falhou: %1</translation>
    </message>
    <message>
        <source>result code %1</source>
        <translation>código de resultado %1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Interrompido</translation>
    </message>
    <message>
        <source>Not audio</source>
        <translation>Não é áudio</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>Omitido: %1</translation>
    </message>
    <message numerus="yes">
        <source>Preparing the File - %n File(s) Left</source>
        <translation>
            <numerusform>Preparando o arquivo - %Ln arquivo restante</numerusform>
            <numerusform>Preparando o arquivo - %Ln arquivos restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Converting - %n File(s) Left</source>
        <translation>
            <numerusform>Convertendo - %Ln arquivo restante</numerusform>
            <numerusform>Convertendo - %Ln arquivos restantes</numerusform>
        </translation>
    </message>
    <message>
        <source>Qelvanto — %1 of %2 — %3</source>
        <translation>Qelvanto — %1 de %2 — %3</translation>
    </message>
    <message>
        <source>Not converted %1: %2.</source>
        <translation>%1 não foi convertido: %2.</translation>
    </message>
    <message>
        <source>Converted with problems %1: %2.</source>
        <translation>%1 foi convertido com problemas: %2.</translation>
    </message>
    <message>
        <source>Left out %1: %2.</source>
        <translation>%1 foi omitido: %2.</translation>
    </message>
    <message>
        <source>Stopped %1 before its conversion.</source>
        <translation>%1 foi interrompido antes da conversão.</translation>
    </message>
    <message>
        <source>Already converted %1: %2 is there.</source>
        <translation>%1 já estava convertido: %2 já existe.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files were not started.</source>
        <translation>
            <numerusform>%Ln de %1 arquivos não foi iniciado.</numerusform>
            <numerusform>%Ln de %1 arquivos não foram iniciados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Qelvanto: %n of %1 files converted</source>
        <translation>
            <numerusform>Qelvanto: %Ln de %1 arquivos foi convertido</numerusform>
            <numerusform>Qelvanto: %Ln de %1 arquivos foram convertidos</numerusform>
        </translation>
    </message>
    <message>
        <source>The encoder is missing</source>
        <translation>O codificador não foi encontrado</translation>
    </message>
    <message>
        <source>The program &quot;ffmpeg&quot; was not found in %1. Reinstall Qelvanto, or install the ffmpeg package and build again.</source>
        <translation>O programa &quot;ffmpeg&quot; não foi encontrado em %1. Reinstale o Qelvanto ou instale o pacote ffmpeg e compile novamente.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>The encoder cannot be run</source>
        <translation>O codificador não pode ser executado</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be run: %2. Reinstall Qelvanto, or install the ffmpeg package and build again.</source>
        <translation>Não foi possível executar o programa &quot;%1&quot;: %2. Reinstale o Qelvanto ou instale o pacote ffmpeg e compile novamente.</translation>
    </message>
    <message>
        <source>qelvanto: the encoder is missing: &quot;ffmpeg&quot; was not found in %1. Reinstall Qelvanto, or install the ffmpeg package.</source>
        <translation>qelvanto: o codificador não foi encontrado: &quot;ffmpeg&quot; não está em %1. Reinstale o Qelvanto ou instale o pacote ffmpeg.</translation>
    </message>
    <message>
        <source>qelvanto: the encoder &quot;%1&quot; cannot be run: %2. Reinstall Qelvanto, or install the ffmpeg package.</source>
        <translation>qelvanto: o codificador &quot;%1&quot; não pode ser executado: %2. Reinstale o Qelvanto ou instale o pacote ffmpeg.</translation>
    </message>
    <message>
        <source>opus converts at %1 Hz, whatever the sample rate box says</source>
        <translation>opus sempre converte a %1 Hz, seja qual for o valor de Amostragem</translation>
    </message>
    <message>
        <source>%1, %2 kbit/s</source>
        <translation>%1, %2 kbit/s</translation>
    </message>
    <message>
        <source>Convert 1 file to %1, into Converted/ beside each file?</source>
        <translation>Converter 1 arquivo para %1, em Converted/ ao lado de cada arquivo?</translation>
    </message>
    <message numerus="yes">
        <source>Convert %n files to %1, into Converted/ beside each file?</source>
        <translation>
            <numerusform>Converter %Ln arquivo para %1, em Converted/ ao lado de cada arquivo?</numerusform>
            <numerusform>Converter %Ln arquivos para %1, em Converted/ ao lado de cada arquivo?</numerusform>
        </translation>
    </message>
    <message>
        <source>Convert 1 file to %1, into a folder you choose next?</source>
        <translation>Converter 1 arquivo para %1, em uma pasta que você escolherá em seguida?</translation>
    </message>
    <message numerus="yes">
        <source>Convert %n files to %1, into a folder you choose next?</source>
        <translation>
            <numerusform>Converter %Ln arquivo para %1, em uma pasta que você escolherá em seguida?</numerusform>
            <numerusform>Converter %Ln arquivos para %1, em uma pasta que você escolherá em seguida?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProbeText</name>
    <message>
        <source>only %1 of %2 could be read</source>
        <translation>só foi possível ler %1 de %2</translation>
    </message>
    <message>
        <source>1 error while decoding</source>
        <translation>1 erro na decodificação</translation>
    </message>
    <message numerus="yes">
        <source>%n errors while decoding</source>
        <translation>
            <numerusform>%Ln erro na decodificação</numerusform>
            <numerusform>%Ln erros na decodificação</numerusform>
        </translation>
    </message>
    <message>
        <source>its timestamps ran backwards once</source>
        <translation>suas marcas de tempo retrocederam uma vez</translation>
    </message>
    <message numerus="yes">
        <source>its timestamps ran backwards %n times</source>
        <translation>
            <numerusform>suas marcas de tempo retrocederam %Ln vez</numerusform>
            <numerusform>suas marcas de tempo retrocederam %Ln vezes</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
</TS>
