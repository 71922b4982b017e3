#include "cli/Arguments.h"

#include "engine/Settings.h"
#include "engine/Choices.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <climits>
#include <unistd.h>

namespace cli {

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(Arguments)
};

const QString kProgram = QStringLiteral("qelvanto");

// Options that only make sense for a batch without a window.
const QStringList kConvertOptions{QStringLiteral("format"), QStringLiteral("bitrate"), QStringLiteral("rate"),
                                  QStringLiteral("channels"), QStringLiteral("jobs"), QStringLiteral("output"),
                                  QStringLiteral("keep-folders"), QStringLiteral("existing"), QStringLiteral("split-cue"),
                                  QStringLiteral("quiet")};
const QStringList kExistingValues{QStringLiteral("rename"), QStringLiteral("skip")};

QString listed(const QStringList& values)
{
    return values.join(QStringLiteral(", "));
}

QStringList lowered(const QStringList& values)
{
    QStringList out;
    for (const QString& v : values)
        out << v.toLower();
    return out;
}

Invocation usageError(const QString& line)
{
    Invocation inv;
    inv.mode = Invocation::Mode::UsageError;
    inv.text = kProgram + QStringLiteral(": ") + line;
    return inv;
}

// What a value-taking option accepts, in words.
QString acceptedValues(const QString& option, int cores)
{
    if (option == QLatin1String("format"))
        return Words::tr("use one of: %1").arg(listed(engine::kFormats));
    if (option == QLatin1String("bitrate"))
        return Words::tr("use one of: %1 (kbit/s)").arg(listed(engine::kBitrates));
    if (option == QLatin1String("rate"))
        return Words::tr("use one of: %1 (Hz)").arg(listed(engine::kRates));
    if (option == QLatin1String("channels"))
        return Words::tr("use one of: %1").arg(listed(lowered(engine::kChannels)));
    if (option == QLatin1String("jobs"))
        return Words::tr("use a number of files from 1 to %1 (the number of cores)").arg(cores);
    if (option == QLatin1String("output"))
        return Words::tr("use an existing folder");
    if (option == QLatin1String("existing"))
        return Words::tr("use one of: %1").arg(listed(kExistingValues));
    return Words::tr("see qelvanto --help");
}

bool isUtf8(const QByteArray& bytes)
{
    return QFile::encodeName(QFile::decodeName(bytes)) == bytes;
}

} // namespace

bool wantsTerminal(const QList<QByteArray>& arguments)
{
    static const QList<QByteArray> flags{"-c", "--convert", "-h", "--help", "-?", "-v", "--version", "-q"};
    for (const QByteArray& a : arguments) {
        if (a == "--")
            return false;
        if (flags.contains(a))
            return true;
        for (const QString& o : kConvertOptions) {
            const QByteArray name = "--" + o.toLatin1();
            if (a == name || a.startsWith(name + '='))
                return true;
        }
    }
    return false;
}

QByteArray workingDirectory()
{
    // The system's own bytes, also for a name that is not UTF-8.
    char buffer[PATH_MAX];
    if (::getcwd(buffer, sizeof buffer))
        return QByteArray(buffer);
    return QFile::encodeName(QDir::currentPath());
}

QByteArray absolutePath(const QByteArray& path, const QByteArray& workingDirectory)
{
    QList<QByteArray> kept;
    // ".." walks up the working folder, which holds no link; below a given name,
    // which may be one, it is left to the system.
    qsizetype walkable = 0;
    const auto add = [&](const QByteArray& part, bool given) {
        if (part.isEmpty() || part == ".")
            return;
        if (part == ".." && (walkable > 0 || kept.isEmpty())) {
            if (!kept.isEmpty()) {
                kept.removeLast();
                --walkable;
            }
            return;
        }
        kept << part;
        walkable = given ? 0 : walkable + 1;
    };
    if (!path.startsWith('/'))
        for (const QByteArray& part : workingDirectory.split('/'))
            add(part, false);
    for (const QByteArray& part : path.split('/'))
        add(part, true);
    return '/' + kept.join('/');
}

Invocation parseArguments(const QList<QByteArray>& arguments, const SavedChoices& saved, int cores,
                          const QByteArray& workingDirectory)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(Words::tr(
        "Converts batches of audio files.\n"
        "Without --convert it opens its window and starts a batch of the given files and\n"
        "folders, as if they had been dropped on the door.\n"
        "With --convert it converts them without a window. Options not given take the\n"
        "window's last choices. Exit status: 0 every audio file converted, 1 a file failed,\n"
        "was stopped or was left out, 2 a usage error, 130 or 143 interrupted."));
    const QCommandLineOption convert({QStringLiteral("c"), QStringLiteral("convert")},
                                     Words::tr("Convert without a window; a summary follows on standard output."));
    const QCommandLineOption format(QStringLiteral("format"),
                                    Words::tr("Output format: %1.").arg(engine::kFormats.join(QStringLiteral(", "))),
                                    QStringLiteral("format"));
    const QCommandLineOption bitrate(
        QStringLiteral("bitrate"),
        Words::tr("Bitrate in kbit/s: %1.").arg(engine::kBitrates.join(QStringLiteral(", "))), QStringLiteral("kbit/s"));
    const QCommandLineOption rate(QStringLiteral("rate"),
                                  Words::tr("Sample rate in Hz: %1.").arg(engine::kRates.join(QStringLiteral(", "))),
                                  QStringLiteral("Hz"));
    const QCommandLineOption channels(QStringLiteral("channels"), Words::tr("mono or stereo."),
                                      QStringLiteral("mono|stereo"));
    const QCommandLineOption jobs(QStringLiteral("jobs"),
                                  Words::tr("Files converted at once, 1 to %1 (the number of cores).").arg(cores),
                                  QStringLiteral("N"));
    const QCommandLineOption output(QStringLiteral("output"),
                                    Words::tr("Write every result into this existing folder, not into Converted/ "
                                                   "beside each input."),
                                    Words::tr("folder"));
    const QCommandLineOption keepFolders(QStringLiteral("keep-folders"),
                                         Words::tr("With --output: the files of a given folder keep its tree of "
                                                        "folders inside the output folder."));
    const QCommandLineOption existing(QStringLiteral("existing"),
                                      Words::tr("When a result is there already: rename (a new name, \"a 1.mp3\") "
                                                     "or skip (the file is left as it is)."),
                                      QStringLiteral("rename|skip"));
    const QCommandLineOption splitCue(QStringLiteral("split-cue"),
                                      Words::tr("An album image with a cue sheet beside it gives one file per "
                                                     "track, named and tagged as the sheet says."));
    const QCommandLineOption quiet({QStringLiteral("q"), QStringLiteral("quiet")},
                                   Words::tr("No progress and no line per file on standard error."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("?"), QStringLiteral("help")},
                                  Words::tr("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     Words::tr("Show the version and exit."));
    parser.addOptions(
        {convert, format, bitrate, rate, channels, jobs, output, keepFolders, existing, splitCue, quiet, help, version});
    parser.addPositionalArgument(QStringLiteral("PATH"), Words::tr("Audio files and folders to convert."),
                                 QStringLiteral("[PATH…]"));

    // A name that is not UTF-8 reaches the parser as a stand-in no text can
    // hold (a lone surrogate), so that its own bytes can be found again.
    QHash<QString, QByteArray> standIns;
    QStringList texts{kProgram};
    bool afterDashes = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QByteArray& a = arguments.at(i);
        if (!isUtf8(a) && (afterDashes || !a.startsWith('-'))) {
            const QString standIn = QChar(0xD800) + QString::number(i);
            standIns.insert(standIn, a);
            texts << standIn;
            continue;
        }
        afterDashes = afterDashes || a == "--";
        texts << QFile::decodeName(a);
    }
    const auto bytesOf = [&](const QString& text) { return standIns.value(text, QFile::encodeName(text)); };

    if (!parser.parse(texts)) {
        // The parser's own text is in the user's language; a value is missing only
        // when a value-taking option ends the line.
        const QString last = texts.constLast();
        for (const QCommandLineOption* o : {&format, &bitrate, &rate, &channels, &jobs, &output, &existing}) {
            const QString option = o->names().constLast();
            if (last == QStringLiteral("--") + option)
                return usageError(Words::tr("--%1 needs a value; %2").arg(option, acceptedValues(option, cores)));
        }
        return usageError(Words::tr("%1 The options are --convert, --format, --bitrate, --rate, --channels, "
                                    "--jobs, --output, --keep-folders, --existing, --split-cue, --quiet, --help and --version.")
                              .arg(parser.errorText()));
    }
    Invocation inv;
    if (parser.isSet(help)) {
        inv.mode = Invocation::Mode::Help;
        inv.text = parser.helpText();
        return inv;
    }
    if (parser.isSet(version)) {
        inv.mode = Invocation::Mode::Version;
        inv.text = QStringLiteral("qelvanto %1\n").arg(QStringLiteral(QELVANTO_VERSION));
        return inv;
    }
    for (const QString& text : parser.positionalArguments())
        inv.paths << absolutePath(bytesOf(text), workingDirectory);
    if (!parser.isSet(convert)) {
        for (const QString& o : kConvertOptions)
            if (parser.isSet(o))
                return usageError(Words::tr("--%1 goes with --convert: qelvanto --convert [OPTIONS] PATH…").arg(o));
        return inv;
    }
    inv.mode = Invocation::Mode::Convert;
    if (inv.paths.isEmpty())
        return usageError(Words::tr("--convert needs at least one file or folder: qelvanto --convert [OPTIONS] PATH…"));

    // One option's value as an index into its list, or the saved one when not given.
    const auto pick = [&](const QCommandLineOption& option, const QStringList& list, int savedIndex, int fallback,
                          Qt::CaseSensitivity cs) -> std::optional<int> {
        if (!parser.isSet(option))
            return savedIndex >= 0 && savedIndex < list.size() ? savedIndex : fallback;
        const QString value = parser.value(option);
        const auto it = std::find_if(list.cbegin(), list.cend(),
                                     [&](const QString& v) { return v.compare(value, cs) == 0; });
        const qsizetype at = it == list.cend() ? -1 : it - list.cbegin();
        return at < 0 ? std::nullopt : std::optional<int>(int(at));
    };
    // sentence: the refusal with the value as %1 and what is accepted as %2.
    const auto bad = [&](const QCommandLineOption& option, const QString& sentence) {
        const QString name = option.names().constLast();
        return usageError(sentence.arg(parser.value(option), acceptedValues(name, cores)));
    };
    const auto f = pick(format, engine::kFormats, saved.format, engine::kDefaultFormat, Qt::CaseInsensitive);
    if (!f)
        return bad(format, Words::tr("the format \"%1\" is not offered; %2"));
    const auto b = pick(bitrate, engine::kBitrates, saved.bitrate, engine::kDefaultBitrate, Qt::CaseSensitive);
    if (!b)
        return bad(bitrate, Words::tr("the bitrate \"%1\" is not offered; %2"));
    const auto r = pick(rate, engine::kRates, saved.rate, engine::kDefaultRate, Qt::CaseSensitive);
    if (!r)
        return bad(rate, Words::tr("the sample rate \"%1\" is not offered; %2"));
    const auto ch = pick(channels, engine::kChannels, saved.channel, engine::kDefaultChannel, Qt::CaseInsensitive);
    if (!ch)
        return bad(channels, Words::tr("the channels \"%1\" is not offered; %2"));

    inv.jobs = std::clamp(saved.jobs, 1, std::max(1, cores));
    if (parser.isSet(jobs)) {
        bool ok = false;
        const int n = parser.value(jobs).toInt(&ok);
        if (!ok || n < 1 || n > cores)
            return bad(jobs, Words::tr("--jobs \"%1\" is not offered; %2"));
        inv.jobs = n;
    }

    inv.settings.format = engine::kFormats.at(*f);
    inv.settings.bitrate = engine::kBitrates.at(*b);
    inv.settings.rate = engine::kRates.at(*r);
    inv.settings.channelIndex = *ch;
    inv.settings.outputChoice = engine::kOriginalFolder;
    if (parser.isSet(output)) {
        const QByteArray folder = absolutePath(bytesOf(parser.value(output)), workingDirectory);
        if (!isUtf8(folder))
            return usageError(Words::tr("--output: the folder's name is not valid UTF-8; use another folder"));
        const QString text = QFile::decodeName(folder);
        if (!QFileInfo(text).isDir())
            return usageError(Words::tr("--output \"%1\" is not an existing folder; use an existing folder").arg(text));
        inv.settings.outputChoice = engine::kOutputChoices.at(1);
        inv.settings.outputFolder = text.endsWith(QLatin1Char('/')) ? text : text + QLatin1Char('/');
        inv.settings.keepFolders = parser.isSet(keepFolders) || saved.keepFolders;
    } else if (parser.isSet(keepFolders)) {
        return usageError(Words::tr("--keep-folders goes with --output: qelvanto --convert --output DIR "
                                         "--keep-folders PATH…"));
    }
    inv.settings.skipExisting = saved.skipExisting;
    if (parser.isSet(existing)) {
        const qsizetype at = kExistingValues.indexOf(parser.value(existing).toLower());
        if (at < 0)
            return bad(existing, Words::tr("--existing \"%1\" is not offered; %2"));
        inv.settings.skipExisting = at == 1;
    }
    inv.settings.splitCue = parser.isSet(splitCue) || saved.splitCue;
    inv.quiet = parser.isSet(quiet);
    return inv;
}

} // namespace cli
