// The program in the user's language: every language complete, the window and the
// command line translated, and the English texts exactly as they are without one.
#include "WindowSupport.h"

#include "platform/Languages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QDirIterator>
#include <QPushButton>
#include <QStandardPaths>
#include <QXmlStreamReader>

class LanguagesTest : public WindowTest {
    Q_OBJECT

    QTemporaryDir refreshed_; // the .ts files brought up to the sources' texts

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void everyLanguageComplete_data();
    void everyLanguageComplete();
    void windowSpeaks_data();
    void windowSpeaks();
    void nothingCutOff_data();
    void nothingCutOff();
    void helpInFrench();
    void pluralSummaries_data();
    void pluralSummaries();
};

namespace {

const QStringList kLanguages{"de", "fr", "es", "it", "pt_BR", "ru", "pl", "nl", "ja", "zh_CN"};

// The placeholders of a text, %Ln counted as %n: a translation must keep every one.
QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%L?(n|\\d)"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    found.sort();
    found.removeDuplicates();
    return found;
}

// What is wrong with a .ts file, one line per message.
QStringList faults(const QString& tsPath)
{
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read %1").arg(tsPath)};
    QStringList found;
    QXmlStreamReader xml(&file);
    QString source, type;
    QStringList forms;
    bool numerus = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"message") {
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            source.clear();
            forms.clear();
            type.clear();
        } else if (xml.isStartElement() && xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == u"translation") {
            type = xml.attributes().value(QLatin1String("type")).toString();
            if (!numerus)
                forms << xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == u"numerusform") {
            forms << xml.readElementText();
        } else if (xml.isEndElement() && xml.name() == u"message") {
            QString fault;
            if (!type.isEmpty())
                fault = type;
            else if (forms.isEmpty() || std::any_of(forms.cbegin(), forms.cend(), [](const QString& f) { return f.trimmed().isEmpty(); }))
                fault = QStringLiteral("a form is empty");
            else
                for (const QString& f : std::as_const(forms))
                    if (placeholders(f) != placeholders(source))
                        fault = QStringLiteral("placeholders differ in \"%1\"").arg(f);
            if (!fault.isEmpty())
                found << QStringLiteral("\"%1\": %2").arg(source.left(70), fault);
        }
    }
    if (xml.hasError())
        found << xml.errorString();
    return found;
}

} // namespace

void LanguagesTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Qelvanto").removeRecursively();
    // The sources' texts as they are now, merged into copies of the shipped files:
    // a text added without its translations shows up as unfinished.
    QVERIFY(refreshed_.isValid());
    QStringList args{"-silent", "-locations", "none", "-no-obsolete", "-I", QELVANTO_SOURCE_DIR};
    for (const char* folder : {"app", "cli", "engine", "platform", "ui", "resources"})
        args << QStringLiteral(QELVANTO_SOURCE_DIR "/%1").arg(QLatin1String(folder));
    args << "-ts";
    for (const QString& language : kLanguages) {
        const QString copy = refreshed_.filePath(QStringLiteral("qelvanto_%1.ts").arg(language));
        QVERIFY(QFile::copy(QStringLiteral(QELVANTO_SOURCE_DIR "/translations/qelvanto_%1.ts").arg(language), copy));
        args << copy;
    }
    QProcess lupdate;
    lupdate.start(QStringLiteral(QELVANTO_LUPDATE), args);
    QVERIFY2(lupdate.waitForFinished(120000), "lupdate did not finish");
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0, lupdate.readAllStandardError());
}

void LanguagesTest::init()
{
    failOnEveryWarning();
}

void LanguagesTest::cleanup()
{
    closeWindow();
    platform::installTranslations(QLocale::c());
}

void LanguagesTest::everyLanguageComplete_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : kLanguages)
        QTest::newRow(qPrintable(language)) << language;
}

void LanguagesTest::everyLanguageComplete()
{
    QFETCH(QString, language);
    const QStringList found = faults(refreshed_.filePath(QStringLiteral("qelvanto_%1.ts").arg(language)));
    QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("%1 text(s) not ready:\n").arg(found.size())
                                         + found.mid(0, 10).join(QLatin1Char('\n'))));
    // What the build made of it is what the program loads.
    QCOMPARE(platform::installTranslations(QLocale(language)), language);
}

void LanguagesTest::windowSpeaks_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language"); // the one loaded, empty for English
    QTest::addColumn<QString>("door");     // the door's accessible name
    QTest::addColumn<QString>("run");
    QTest::addColumn<QString>("channels"); // the channels box's label
    QTest::addColumn<QString>("complete"); // the completion alert's title
    QTest::addColumn<QString>("completed"); // and its first line
    QTest::addColumn<QString>("cancel");   // Qt's own standard button
    QTest::newRow("C") << "C" << "" << "Add files" << "Execute" << "Channels" << "Complete" << "Conversion Completed."
                       << "Cancel";
    QTest::newRow("en_US") << "en_US" << "" << "Add files" << "Execute" << "Channels" << "Complete"
                           << "Conversion Completed." << "Cancel";
    QTest::newRow("de_DE") << "de_DE" << "de" << "Dateien hinzufügen" << "Ausführen" << "Kanäle" << "Fertig"
                           << "Konvertierung abgeschlossen." << "Abbrechen";
    QTest::newRow("ja_JP") << "ja_JP" << "ja" << "ファイルを追加" << "実行" << "チャンネル" << "完了"
                           << "変換が完了しました。" << "キャンセル";
}

void LanguagesTest::windowSpeaks()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QCOMPARE(platform::installTranslations(QLocale(locale)), language);
    openWindow();
    const Ui::MainWindow& ui = c->outlets();
    QTEST(ui.imgView->accessibleName(), "door");
    QTEST(ui.runButton->text(), "run");
    QTEST(ui.lblChannel->text(), "channels");
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    QTEST(box.button(QDialogButtonBox::Cancel)->text(), "cancel");

    QVERIFY(makeTone(path("a.wav"), 0.5));
    c->startnow({path("a.wav")});
    QVERIFY(waitForAlerts(1));
    QTEST(dialogs->alerts.at(0).message, "complete");
    QTEST(dialogs->alerts.at(0).informative.section(QLatin1Char('\n'), 0, 0), "completed");
}

void LanguagesTest::nothingCutOff_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << "C";
    for (const QString& language : kLanguages)
        QTest::newRow(qPrintable(language)) << language;
}

// At the first start's size, every label, box and button of the idle window shows
// its whole text: a longer translation must still fit.
void LanguagesTest::nothingCutOff()
{
    QFETCH(QString, language);
    platform::installTranslations(QLocale(language));
    openWindow();
    QWidget* window = c->mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QStringList cut;
    const auto check = [&](QWidget* w, const QString& text, int needed) {
        if (w->isVisibleTo(window) && !text.isEmpty() && w->width() < needed)
            cut << QStringLiteral("%1 \"%2\": %3 of %4 px").arg(w->objectName(), text).arg(w->width()).arg(needed);
    };
    for (auto* label : window->findChildren<QLabel*>())
        if (!label->wordWrap() && label->pixmap().isNull())
            check(label, label->text(), label->sizeHint().width());
    for (auto* button : window->findChildren<QAbstractButton*>())
        check(button, button->text(), button->sizeHint().width());
    for (auto* box : window->findChildren<QComboBox*>())
        check(box, box->currentText(), box->sizeHint().width());
    for (auto* field : window->findChildren<QLineEdit*>()) {
        const QMargins m = field->textMargins();
        // The frame and the text's own margins: what Qt's line edit keeps free.
        check(field, field->placeholderText(),
              field->fontMetrics().horizontalAdvance(field->placeholderText()) + m.left() + m.right() + 8);
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

void LanguagesTest::helpInFrench()
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), QStringLiteral("fr_FR.UTF-8"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(QELVANTO_EXE), {"--help"});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    const QString help = QString::fromUtf8(p.readAllStandardOutput());
    // The parser wraps the lines to the terminal's width.
    QVERIFY2(help.simplified().contains(
                 QStringLiteral("Convertir sans fenêtre ; un résumé suit sur la sortie standard.").simplified()),
             qPrintable(help));
    QVERIFY2(!help.contains(QStringLiteral("Convert without a window")), qPrintable(help));
    QVERIFY2(help.contains(QStringLiteral("--split-cue")), qPrintable(help));
}

void LanguagesTest::pluralSummaries_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("playlists"); // files left out, so counted as failed
    QTest::addColumn<QString>("line");
    QTest::newRow("ru 1") << "ru_RU" << 1 << "Не удалось преобразовать 1 файл из 1.";
    QTest::newRow("ru 2") << "ru_RU" << 2 << "Не удалось преобразовать 2 файла из 2.";
    QTest::newRow("ru 5") << "ru_RU" << 5 << "Не удалось преобразовать 5 файлов из 5.";
    QTest::newRow("pl 1") << "pl_PL" << 1 << "Nie udało się przekonwertować 1 pliku z 1.";
    QTest::newRow("pl 2") << "pl_PL" << 2 << "Nie udało się przekonwertować 2 plików z 2.";
    QTest::newRow("pl 5") << "pl_PL" << 5 << "Nie udało się przekonwertować 5 plików z 5.";
}

// --convert's summary counts with the language's own plural forms.
void LanguagesTest::pluralSummaries()
{
    QFETCH(QString, language);
    QFETCH(int, playlists);
    QFETCH(QString, line);
    QTemporaryDir inputs, home;
    for (int i = 0; i < playlists; ++i) {
        QFile list(inputs.filePath(QStringLiteral("list%1.m3u").arg(i)));
        QVERIFY(list.open(QIODevice::WriteOnly) && list.write("#EXTM3U\n") > 0);
    }
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), language + QStringLiteral(".UTF-8"));
    env.insert(QStringLiteral("LANGUAGE"), language.left(2));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(QELVANTO_EXE), {"--convert", "--quiet", inputs.path()});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 1);
    const QStringList summary = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'));
    QVERIFY2(summary.size() > 1, qPrintable(summary.join(QLatin1Char('\n'))));
    QCOMPARE(summary.at(1), line);
}

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
