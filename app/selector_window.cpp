#include "app/selector_window.hpp"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>

#include "app/application.hpp"
#include "store/settings.hpp"
#include "window/calculator_window.hpp"
#include "window/drawing_view.hpp"
#include "window/language.hpp"
#include "window/look.hpp"
#include "window/remembered.hpp"

namespace ferricalc {

namespace {

// Where each option sits, by option index: three rows of four.
struct GridCell {
    int left;
    int top;
};

constexpr std::array<GridCell, kCoreTypeCount> kOptionCells{{
    {840, 2040},   // 0 环型
    {840, 3000},   // 1 UF型
    {840, 3960},   // 2 UY型
    {2520, 2040},  // 3 UYF型
    {4320, 2040},  // 4 EE/EF型
    {6360, 3960},  // 5 RM型
    {4320, 3960},  // 6 ETD/EC/EER型
    {6360, 3000},  // 7 罐型
    {6360, 2040},  // 8 EP型
    {2520, 3000},  // 9 UI型
    {2520, 3960},  // 10 EI型
    {4320, 3000},  // 11 ED型
}};

// OK takes the first selected option in this order.
constexpr std::array<int, kCoreTypeCount> kConfirmOrder{0, 1, 2, 3, 4, 5, 6, 7, 10, 9, 11, 8};

// The options under which a double-click on the notice line opens the about window: UYF, UI and EI.
constexpr std::array<int, 3> kAboutOptions{3, 9, 10};

constexpr int kOptionWidth = 1335;
constexpr int kWideOptionWidth = 1575;  // "ETD/EC/EER型"
constexpr int kOptionHeight = 375;

QString text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

}  // namespace

SelectorWindow::SelectorWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("QYX"));
    setFixedSize(look::fromTwips(0, 0, 8070, 7035).size());
    setFont(look::song(10.5));
    auto* texts = new TextSetters(*this);

    auto* background = new DrawingView(QStringLiteral(":/art/selector.svg"), QSize(547, 496), this);
    background->setObjectName(QStringLiteral("background"));
    background->setGeometry(0, 0, 547, 496);
    texts->keep([background] {
        background->setResource(currentLanguage() == Language::English ? QStringLiteral(":/art/selector-en.svg")
                                                                       : QStringLiteral(":/art/selector.svg"));
    });

    auto* prompt = new QLabel(this);
    prompt->setObjectName(QStringLiteral("Label2"));
    prompt->setFont(look::kai(15));
    look::paintLabel(*prompt, look::kNavy, look::kLightGreen);
    prompt->setGeometry(look::fromTwips(240, 1320, 2775, 495));

    buildOptions();

    QPushButton* ok = look::pushButton(QString(), QStringLiteral("Command1"), 14.25, this);
    ok->setGeometry(look::fromTwips(1680, 4920, 1575, 615));
    QPushButton* exitButton = look::pushButton(QString(), QStringLiteral("Command2"), 14.25, this);
    exitButton->setGeometry(look::fromTwips(5280, 4920, 1575, 615));
    connect(ok, &QPushButton::clicked, this, &SelectorWindow::confirm);
    connect(exitButton, &QPushButton::clicked, this, &SelectorWindow::exit);

    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("Label1"));
    look::paintLabel(*m_notice, look::kDarkRed, look::kLightGreen);
    m_notice->setGeometry(look::fromTwips(1560, 6120, 8775, 495));
    texts->keep([this, prompt, ok, exitButton] {
        prompt->setText(tr("请选择磁芯类型:"));
        ok->setText(tr("确 定"));
        exitButton->setText(tr("退 出"));
        m_notice->setText(tr("ferricalc 开发者 出品  ·  版本 %1").arg(QStringLiteral(FERRICALC_VERSION)));
        for (std::size_t index = 0; index < m_optionButtons.size(); ++index)
            m_optionButtons[index]->setText(descriptorText(coreType(static_cast<int>(index)).optionCaption));
        for (QWidget* control : findChildren<QWidget*>())
            if (qobject_cast<QLabel*>(control) != nullptr || qobject_cast<QAbstractButton*>(control) != nullptr)
                look::fitCaption(*control);
    });
    m_notice->installEventFilter(this);

    m_optionButtons.front()->setFocus();
}

SelectorWindow::~SelectorWindow()
{
    delete m_calculator;
    delete m_about;
}

void SelectorWindow::buildOptions()
{
    m_options = new QButtonGroup(this);
    m_options->setExclusive(true);
    for (int index = 0; index < kCoreTypeCount; ++index) {
        auto* option = new QRadioButton(this);
        option->setObjectName(QStringLiteral("Option1_%1").arg(index));
        option->setFont(look::song(9));
        QPalette palette = option->palette();
        palette.setColor(QPalette::WindowText, look::kNavy);
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::Button, Qt::white);
        option->setPalette(palette);
        option->setAutoFillBackground(true);
        const GridCell cell = kOptionCells[static_cast<std::size_t>(index)];
        option->setGeometry(look::fromTwips(cell.left, cell.top, index == 6 ? kWideOptionWidth : kOptionWidth,
                                            kOptionHeight));
        m_options->addButton(option, index);
        option->installEventFilter(this);
        m_optionButtons[static_cast<std::size_t>(index)] = option;
    }
}

void SelectorWindow::confirm()
{
    for (const int index : kConfirmOrder) {
        if (!m_optionButtons[static_cast<std::size_t>(index)]->isChecked())
            continue;
        const CoreDescriptor& core = coreType(index);
        if (!core.available() || m_calculator)
            return;
        keepRemembered();
        hide();
        m_calculator = new CalculatorWindow(core);
        // Return destroys the calculator window; the selector comes back once it is gone.
        connect(m_calculator, &QObject::destroyed, this, [this] {
            if (!m_exiting)
                show();
        });
        m_calculator->show();
        return;
    }
}

void SelectorWindow::exit()
{
    if (isVisible())
        keepRemembered();
    m_exiting = true;
    delete m_calculator;
    delete m_about;
    QCoreApplication::quit();
}

void SelectorWindow::showAbout()
{
    const int chosen = m_options->checkedId();
    if (std::find(kAboutOptions.begin(), kAboutOptions.end(), chosen) == kAboutOptions.end())
        return;
    // Only ever one: a second double-click brings the open window forward. A window
    // closed by OK whose deletion is still pending goes now.
    if (m_about && !m_about->isVisible())
        delete m_about;
    if (!m_about) {
        m_about = new AboutWindow;
        m_about->show();
        return;
    }
    m_about->setWindowState(m_about->windowState() & ~Qt::WindowMinimized);
    m_about->raise();
    m_about->activateWindow();
}

bool SelectorWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Arrow keys (and Tab) move the focus among the options, but Qt chooses the
    // option reached only once one is chosen; until then the option the user
    // reaches from the keyboard is chosen, so that 确 定 opens what has the focus.
    if (event->type() == QEvent::FocusIn && m_options->checkedId() < 0) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (auto* option = qobject_cast<QRadioButton*>(watched);
            option != nullptr && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason))
            option->setChecked(true);
    }
    if (watched == m_notice && event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        showAbout();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool SelectorWindow::event(QEvent* event)
{
    if (event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        QTimer::singleShot(0, this, [this] {
            setProgramIcon();  // when the program left it until now (app/main.cpp)
            restoreRemembered();
        });
    }
    return QWidget::event(event);
}

void SelectorWindow::restoreRemembered()
{
    remembered::restoreGeometry(*this);
    // A choice made before this ran stands.
    if (m_options->checkedId() >= 0)
        return;
    const QString family = store::Settings().lastFamily();
    for (int index = 0; index < kCoreTypeCount; ++index)
        if (!family.isEmpty() && text(coreType(index).name) == family)
            m_optionButtons[static_cast<std::size_t>(index)]->setChecked(true);
}

void SelectorWindow::keepRemembered()
{
    remembered::keepGeometry(*this);
    if (const int chosen = m_options->checkedId(); chosen >= 0)
        store::Settings().setLastFamily(text(coreType(chosen).name));
}

void SelectorWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    exit();
}

}  // namespace ferricalc
