// The user's work in the windows: a design saved to a file opens again with the
// same figures on both pages, in this window's calculator or, for another
// family, in a calculator window of its own; a file of a later version opens
// what it can and names what it left out; the PDF report reads back with its
// pages and text; and windows, the last family and the design's inputs are
// there again the next time.

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include "cores/catalog.hpp"
#include "cores/registry.hpp"
#include "window/design_window.hpp"
#include "window/language.hpp"
#include "window_test_support.hpp"

using namespace ferricalc;
using namespace ferricalc::testing_support;

namespace {

constexpr int kRing = 0;
constexpr int kRm = 5;
constexpr int kEtd = 6;

// How a row's design is set: the winding by turns or by inductance, a table's material or μi and Bsat of the user's own.
enum class Variant { TurnsAndTableMaterial, InductanceAndOwnMaterial, AcFluxAndSine };

QString qt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QDoubleSpinBox* input(QWidget& design, const char* name)
{
    return design.findChild<QDoubleSpinBox*>(QLatin1String(name));
}

QComboBox* combo(QWidget& design, const char* name) { return design.findChild<QComboBox*>(QLatin1String(name)); }

// The first standard core of the family, calculated, and its design window with the losses' page shown.
DesignWindow* designOfStandardCore(WindowSession& session, int option)
{
    CalculatorWindow* window = session.open(option);
    if (window == nullptr)
        return nullptr;
    window->chooseStandardCore(standardCores(window->core()).front());
    window->calculate();
    window->openDesign();
    DesignWindow* design = window->designWindow();
    if (design != nullptr)
        design->findChild<QTabBar*>(QStringLiteral("pages"))->setCurrentIndex(1);
    return design;
}

void setDesign(DesignWindow& design, Variant variant)
{
    auto* material = combo(design, "material");
    if (variant == Variant::InductanceAndOwnMaterial) {
        input(design, "muI")->setValue(2300);
        input(design, "bsat")->setValue(380);
        input(design, "inductance")->setValue(120);
        design.findChild<QRadioButton*>(QStringLiteral("byInductance"))->setChecked(true);
    } else {
        const int n87 = material->findText(QStringLiteral("N87"), Qt::MatchStartsWith);
        material->setCurrentIndex(n87);
        emit material->activated(n87);
        input(design, "turns")->setValue(23);
    }
    input(design, "gap")->setValue(0.3);
    input(design, "current")->setValue(1.7);
    input(design, "frequency")->setValue(150000);
    if (variant == Variant::AcFluxAndSine) {
        combo(design, "waveform")->setCurrentIndex(0);
        input(design, "acFluxInput")->setValue(40);
        design.findChild<QRadioButton*>(QStringLiteral("byAcFlux"))->setChecked(true);
    } else {
        combo(design, "waveform")->setCurrentIndex(1);
        input(design, "duty")->setValue(0.4);
        input(design, "ripple")->setValue(0.6);
    }
    input(design, "wire")->setValue(0.5);
    input(design, "strands")->setValue(2);
}

// Every text of the window but its status line, both pages: what must come back from a file.
QString figures(QWidget& design)
{
    QStringList texts;
    for (const QLabel* label : design.findChildren<QLabel*>())
        if (label->objectName() != QLatin1String("status"))
            texts << label->objectName() + QLatin1Char('=') + label->text();
    for (const QAbstractSpinBox* box : design.findChildren<QAbstractSpinBox*>())
        texts << box->objectName() + QLatin1Char('=') + box->text();
    for (const QComboBox* box : design.findChildren<QComboBox*>())
        texts << box->objectName() + QLatin1Char('=') + box->currentText();
    texts.sort();  // a page built later comes later among the children
    return texts.join(QLatin1Char('\n'));
}

QString status(QWidget& design) { return design.findChild<QLabel*>(QStringLiteral("status"))->text(); }

// Another program's output, or a skip when that program is not installed.
QString run(const QString& program, const QStringList& arguments)
{
    if (QStandardPaths::findExecutable(program).isEmpty())
        return {};
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

Q_DECLARE_METATYPE(Variant)

class DesignFilesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China)); }

    void savedDesignOpensWithTheSameFigures_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<Variant>("variant");
        QTest::newRow("ring, inductance and a material of the user's own") << kRing << Variant::InductanceAndOwnMaterial;
        QTest::newRow("ETD, turns and N87, triangle") << kEtd << Variant::TurnsAndTableMaterial;
        QTest::newRow("RM, turns and N87, sine by B̂ac") << kRm << Variant::AcFluxAndSine;
    }

    // Saved, disturbed, opened: the same figures on both pages, in the same window.
    void savedDesignOpensWithTheSameFigures()
    {
        QFETCH(int, option);
        QFETCH(Variant, variant);
        WindowSession session;
        DesignWindow* design = designOfStandardCore(session, option);
        QVERIFY(design);
        setDesign(*design, variant);
        const QString saved = figures(*design);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("design.ferricalc"));
        QVERIFY(design->saveDesignTo(path));

        input(*design, "gap")->setValue(1.0);
        input(*design, "current")->setValue(0.5);
        input(*design, "frequency")->setValue(50000);
        combo(*design, "gapPlace")->setCurrentIndex(combo(*design, "gapPlace")->count() - 1);
        QVERIFY(figures(*design) != saved);
        QCOMPARE(design->openDesignFrom(path), design);
        QCOMPARE(figures(*design), saved);
        QVERIFY2(status(*design).startsWith(QStringLiteral("已打开")), qPrintable(status(*design)));
    }

    // A file of another family opens in a calculator window of its own, calculated, with its design.
    void aFileOfAnotherFamilyOpensItsOwnWindows()
    {
        WindowSession session;
        DesignWindow* ring = designOfStandardCore(session, kRing);
        QVERIFY(ring);
        setDesign(*ring, Variant::InductanceAndOwnMaterial);
        const QString saved = figures(*ring);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("ring.ferricalc"));
        QVERIFY(ring->saveDesignTo(path));
        button(*session.selector->calculatorWindow(), 2)->click();  // 返回
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        DesignWindow* etd = designOfStandardCore(session, kEtd);
        QVERIFY(etd);
        DesignWindow* opened = etd->openDesignFrom(path);
        QVERIFY(opened && opened != etd);
        auto* calculator = dynamic_cast<CalculatorWindow*>(opened->parentWidget());
        QVERIFY(calculator && calculator != session.selector->calculatorWindow());
        QCOMPARE(qt(calculator->core().name), qt(coreType(kRing).name));
        QCOMPARE(figures(*opened), saved);
        delete calculator;
    }

    // A later version's file, with names this one does not know: the rest opens, and the status names what was left.
    void aLaterVersionOpensWhatItCan()
    {
        WindowSession session;
        DesignWindow* design = designOfStandardCore(session, kEtd);
        QVERIFY(design);
        setDesign(*design, Variant::TurnsAndTableMaterial);
        const QString saved = figures(*design);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("later.ferricalc"));
        QVERIFY(design->saveDesignTo(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
        file.close();
        root.insert(QStringLiteral("version"), 2);
        root.insert(QStringLiteral("winding"), QJsonObject{{QStringLiteral("layers"), 3}});
        QJsonObject losses = root.value(QStringLiteral("losses")).toObject();
        losses.insert(QStringLiteral("ambient"), QStringLiteral("40"));
        root.insert(QStringLiteral("losses"), losses);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QJsonDocument(root).toJson());
        file.close();

        input(*design, "gap")->setValue(1.0);
        QCOMPARE(design->openDesignFrom(path), design);
        QCOMPARE(figures(*design), saved);
        for (const QString& named : {QStringLiteral("格式版本 2"), QStringLiteral("winding"), QStringLiteral("losses.ambient")})
            QVERIFY2(status(*design).contains(named), qPrintable(status(*design)));
    }

    void theReportReadsBack_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("coreLoss");
        QTest::newRow("in Chinese") << false << QStringLiteral("磁芯损耗");
        QTest::newRow("in English") << true << QStringLiteral("Core loss");
    }

    // Two A4 pages whose text layer holds the core's name and its C1, in the
    // windows' language.
    void theReportReadsBack()
    {
        QFETCH(bool, english);
        QFETCH(QString, coreLoss);
        QVERIFY(setLanguage(english ? Language::English : Language::Chinese));
        const auto back = qScopeGuard([] { setLanguage(Language::Chinese); });
        WindowSession session;
        DesignWindow* design = designOfStandardCore(session, kEtd);
        QVERIFY(design);
        setDesign(*design, Variant::TurnsAndTableMaterial);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("report.pdf"));
        QVERIFY(design->exportPdfTo(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("%PDF"));
        const QString info = run(QStringLiteral("pdfinfo"), {path});
        const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        if (info.isEmpty() || text.isEmpty())
            QSKIP("pdfinfo and pdftotext (poppler-utils) read the report back");
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\b"))), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("A4")), qPrintable(info));
        const StandardCore& core = standardCores(coreType(kEtd)).front();
        for (const QString& expected : {descriptorText(coreType(kEtd).optionCaption), qt(core.name), QStringLiteral("C1"),
                                        coreLoss, QStringLiteral(FERRICALC_VERSION)})
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" not in:\n") + text));
        if (const QByteArray keep = qgetenv("FERRICALC_KEEP_REPORT"); !keep.isEmpty()) {  // to look at
            QFile::remove(QString::fromLocal8Bit(keep));
            QFile::copy(path, QString::fromLocal8Bit(keep));
        }
    }

    // The next run: the last family chosen, the calculator where it was, the design's inputs as they were.
    void settingsAreThereNextTime()
    {
        WindowSession session;
        DesignWindow* design = designOfStandardCore(session, kEtd);
        QVERIFY(design);
        setDesign(*design, Variant::TurnsAndTableMaterial);
        const QString inputs = figures(*design);
        CalculatorWindow* calculator = session.selector->calculatorWindow();
        calculator->move(137, 151);
        const QPoint place = calculator->pos();
        button(*calculator, 2)->click();  // 返回
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        CalculatorWindow* again = session.open(kEtd);
        QVERIFY(again);
        QCOMPARE(again->pos(), place);
        again->chooseStandardCore(standardCores(again->core()).front());
        again->calculate();
        again->openDesign();
        QVERIFY(again->designWindow());
        again->designWindow()->findChild<QTabBar*>(QStringLiteral("pages"))->setCurrentIndex(1);
        QCOMPARE(figures(*again->designWindow()), inputs);

        SelectorWindow next;
        next.show();
        QTRY_VERIFY(option(next, kEtd)->isChecked());
    }
};

FERRICALC_WINDOW_TEST_MAIN(DesignFilesTest)

#include "design_files_test.moc"
