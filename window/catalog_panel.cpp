#include "window/catalog_panel.hpp"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QStandardItemModel>
#include <algorithm>
#include <array>
#include <functional>
#include <string>

#include "calc/catalog_texts.hpp"
#include "store/settings.hpp"
#include "store/user_cores.hpp"
#include "window/look.hpp"
#include "window/language.hpp"

namespace ferricalc {

namespace {


// Units as the reference line writes them after Le, Ae and Ve.
constexpr std::array<const char*, QuantityCount> kUnits{"", "", "mm", "mm²", "mm³"};
constexpr std::array<Quantity, 3> kPublished{Le, Ae, Ve};

QString utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string decimalSeparator() { return QLocale().decimalPoint().toStdString(); }

// "Le 78.58 mm" held together, so that a narrow line breaks only between quantities.
QString item(Quantity quantity, const std::string& value, const char* unit)
{
    QString text = utf8(kQuantityNames[quantity]) + QChar::Nbsp + utf8(value);
    if (*unit != '\0')
        text += QChar::Nbsp + QString::fromUtf8(unit);
    return text;
}

// A combo box that gets its list ready just before the list first shows.
class CatalogComboBox : public QComboBox {
public:
    CatalogComboBox(QWidget* parent, std::function<void()> beforeFirstPopup)
        : QComboBox(parent), m_beforeFirstPopup(std::move(beforeFirstPopup))
    {
    }

    void showPopup() override
    {
        if (m_beforeFirstPopup) {
            m_beforeFirstPopup();
            m_beforeFirstPopup = nullptr;
        }
        QComboBox::showPopup();
    }

private:
    std::function<void()> m_beforeFirstPopup;
};

}  // namespace

CatalogPanel::CatalogPanel(const CoreDescriptor& core, std::span<QLineEdit* const> fields, QWidget& window)
    : QObject(&window),
      m_cores(standardCores(core)),
      m_fields(fields.begin(), fields.end()),
      m_core(core),
      m_settings(std::make_unique<store::Settings>())
{
    const CatalogPlacement& place = core.catalog;
    auto* caption = new QLabel(&window);
    caption->setObjectName(QStringLiteral("catalogCaption"));
    look::paintLabel(*caption, look::kDarkRed, window.palette().color(QPalette::Window));
    caption->setGeometry(look::fromTwips(place.caption));

    m_combo = new CatalogComboBox(&window, [this] { widenLists(); });
    m_combo->setObjectName(QStringLiteral("catalogComboBox"));
    m_combo->setEditable(true);
    // What the user types only filters the list; it never becomes an entry.
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setGeometry(look::fromTwips(place.comboBox));
    // A wheel turned over the box while scrolling past it must not swap the
    // user's dimensions for a standard core's: the box takes the wheel only
    // once the user has given it the focus.
    m_combo->setFocusPolicy(Qt::StrongFocus);
    m_combo->installEventFilter(this);
    caption->setBuddy(m_combo);

    m_reference = new QLabel(&window);
    m_reference->setObjectName(QStringLiteral("catalogReference"));
    m_reference->setWordWrap(true);
    m_reference->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_reference->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette ink = m_reference->palette();
    ink.setColor(QPalette::WindowText, look::kNavy);
    m_reference->setPalette(ink);
    m_reference->setGeometry(look::fromTwips(place.reference));
    m_reference->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse
                                         | Qt::LinksAccessibleByKeyboard);
    connect(m_reference, &QLabel::linkActivated, this, [this](const QString& link) {
        if (link == QLatin1String("delete"))
            deleteChosen();
        else
            m_reference->clear();
    });

    m_lastCalculated = m_settings->lastCalculated(utf8(core.name));
    loadOwnCores();

    // The user's own cores, from the box's context menu; Ctrl+S saves anywhere in the window.
    m_save = new QAction(this);
    m_save->setObjectName(QStringLiteral("saveOwnCore"));
    m_save->setShortcut(QKeySequence::Save);
    m_save->setShortcutContext(Qt::WindowShortcut);
    window.addAction(m_save);
    m_rename = new QAction(this);
    m_rename->setObjectName(QStringLiteral("renameOwnCore"));
    m_delete = new QAction(this);
    m_delete->setObjectName(QStringLiteral("deleteOwnCore"));
    connect(m_save, &QAction::triggered, this, &CatalogPanel::startSaving);
    connect(m_rename, &QAction::triggered, this, &CatalogPanel::startRenaming);
    connect(m_delete, &QAction::triggered, this, &CatalogPanel::askToDelete);
    for (QWidget* target : {static_cast<QWidget*>(m_combo), static_cast<QWidget*>(m_combo->lineEdit())}) {
        target->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(target, &QWidget::customContextMenuRequested, this,
                [this, target](const QPoint& position) { showMenu(position, target); });
    }
    m_combo->lineEdit()->installEventFilter(this);
    (new TextSetters(window))->keep([this, caption] {
        caption->setText(tr("标准型号:"));
        look::fitCaption(*caption);
        m_save->setText(tr("保存为自定义型号…"));
        m_rename->setText(tr("重命名自定义型号…"));
        m_delete->setText(tr("删除自定义型号…"));
        m_combo->setToolTip(tr("右键菜单：保存为自定义型号（Ctrl+S）、重命名、删除"));
        relabelEntries();
    });

    connect(m_combo, &QComboBox::activated, this, &CatalogPanel::choose);
    // Typing only filters: a text not taken with Enter or from the list gives way
    // to the entry in force when the user moves on.
    connect(m_combo->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (m_naming) {
            if (!m_combo->lineEdit()->hasFocus())
                cancelNaming();  // the user went elsewhere
            return;
        }
        if (m_combo->currentText() != m_combo->itemText(m_combo->currentIndex()))
            showEntry(m_combo->currentIndex());
    });
    for (QLineEdit* field : m_fields)
        connect(field, &QLineEdit::textChanged, this, [this] {
            if (!m_filling)
                returnToCustom();
        });
}

CatalogPanel::~CatalogPanel() = default;

bool CatalogPanel::eventFilter(QObject* watched, QEvent* event)
{
    // While the box takes a name, Enter and Escape are the panel's, not the box's
    // (which would take a name equal to an entry's as choosing that entry).
    if (m_naming && watched == m_combo->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            finishNaming();
            return true;
        }
        if (key == Qt::Key_Escape) {
            cancelNaming();
            return true;
        }
    }
    if (watched == m_combo && event->type() == QEvent::Wheel && !m_combo->hasFocus()) {
        event->ignore();
        return true;
    }
    // Nothing can be typed into the box before it has the focus.
    if (watched == m_combo && event->type() == QEvent::FocusIn && m_completer == nullptr)
        narrowWhileTyping();
    return QObject::eventFilter(watched, event);
}

// The list narrows to the names that hold what is typed, anywhere in the name
// and in any letter case. Set up when the box first takes the focus rather
// than with the window, which then opens sooner.
void CatalogPanel::narrowWhileTyping()
{
    m_completer = new QCompleter(m_combo->model(), m_combo);
    m_completer->setFilterMode(Qt::MatchContains);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setCompletionMode(QCompleter::PopupCompletion);
    m_completer->setMaxVisibleItems(12);
    m_combo->setCompleter(m_completer);
    widenLists();
}

// Lists as wide as the longest name, wider than the box where that is narrow;
// measured when a list is first about to show.
void CatalogPanel::widenLists()
{
    if (m_listWidth == 0) {
        const QFontMetrics metrics = m_combo->fontMetrics();
        int widest = 0;
        for (int i = 0; i < m_combo->count(); ++i)
            widest = std::max(widest, metrics.horizontalAdvance(m_combo->itemText(i)));
        m_listWidth = widest + 2 * metrics.averageCharWidth() + 24;
        m_combo->view()->setMinimumWidth(m_listWidth);
    }
    if (m_completer != nullptr)
        m_completer->popup()->setMinimumWidth(m_listWidth);
}

// A long name shows from its start, where the family and size are.
void CatalogPanel::showEntry(int index)
{
    m_combo->setEditText(m_combo->itemText(index));
    m_combo->lineEdit()->setCursorPosition(0);
}

void CatalogPanel::chooseCore(const StandardCore& core)
{
    for (std::size_t i = 0; i < m_cores.size(); ++i)
        if (&m_cores[i] == &core) {
            m_combo->setCurrentIndex(static_cast<int>(i) + 1);
            choose(static_cast<int>(i) + 1);
        }
}

void CatalogPanel::choose(int index)
{
    showEntry(index);
    m_chosen = nullptr;
    m_chosenOwn.clear();
    m_reference->clear();
    if (index < 0 || static_cast<std::size_t>(index) >= m_entries.size())
        return;
    const Entry entry = m_entries[static_cast<std::size_t>(index)];
    switch (entry.kind) {
    case Kind::LastCalculated:
        fillFields(m_lastCalculated);
        m_reference->setText(tr("上次计算成功的尺寸"));
        return;
    case Kind::Own:
        fillFields(m_ownTexts[entry.index]);
        m_chosenOwn = m_ownNames[entry.index];
        m_reference->setText(tr("自定义型号（无数据手册）"));
        return;
    case Kind::Standard: {
        const StandardCore& standard = m_cores[static_cast<std::size_t>(entry.index)];
        QStringList texts;
        for (const std::string_view text : standard.texts)
            texts << utf8(text);
        fillFields(texts);
        m_chosen = &standard;
        m_reference->setText(dataSheetLine());
        return;
    }
    default:
        return;
    }
}

// Writes texts kept with a point in the user's notation.
void CatalogPanel::fillFields(const QStringList& pointTexts)
{
    const std::string separator = decimalSeparator();
    m_filling = true;
    for (std::size_t i = 0; i < m_fields.size() && i < static_cast<std::size_t>(pointTexts.size()); ++i)
        m_fields[i]->setText(utf8(catalogText(pointTexts[static_cast<qsizetype>(i)].toStdString(), separator)));
    m_filling = false;
}

// The fields' texts with a point as decimal separator, as the library and the settings keep them.
QStringList CatalogPanel::pointTexts() const
{
    const QString separator = QLocale().decimalPoint();
    QStringList texts;
    for (const QLineEdit* field : m_fields) {
        QString text = field->text();
        if (separator != QLatin1String("."))
            text.replace(separator, QStringLiteral("."));
        texts << text;
    }
    return texts;
}

void CatalogPanel::returnToCustom()
{
    m_chosenOwn.clear();
    if (m_chosen == nullptr && m_combo->currentIndex() == 0)
        return;
    m_chosen = nullptr;
    m_combo->setCurrentIndex(0);
    showEntry(0);
    m_reference->clear();
}

void CatalogPanel::loadOwnCores()
{
    const store::LibraryRead read = store::UserCoreLibrary(store::UserCoreLibrary::defaultPath(), currentLanguage()).read();
    m_ownNames.clear();
    m_ownTexts.clear();
    for (const store::UserCore& own : store::coresOfFamily(read.cores, utf8(m_core.name))) {
        m_ownNames << own.name;
        m_ownTexts << own.texts;
    }
    fillList();
    if (!read.notice.isEmpty())
        tell(read.notice, true);
}

QString CatalogPanel::entryLabel(Kind kind)
{
    switch (kind) {
    case Kind::Custom:
        return tr("自定义");
    case Kind::LastCalculated:
        return tr("上次计算");
    case Kind::OwnHeader:
        return tr("—— 自定义型号 ——");
    default:
        return {};
    }
}

// The list's own entries in the language chosen now; names stay as they are.
void CatalogPanel::relabelEntries()
{
    const QSignalBlocker quiet(m_combo);
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        if (const QString label = entryLabel(m_entries[i].kind); !label.isEmpty())
            m_combo->setItemText(static_cast<int>(i), label);
}

// 自定义, 上次计算, the user's cores under their heading, a line, the catalogue.
void CatalogPanel::fillList()
{
    const QSignalBlocker quiet(m_combo);
    m_combo->clear();
    m_entries.clear();
    const auto add = [this](const QString& text, Entry entry) {
        m_combo->addItem(text);
        m_entries.push_back(entry);
    };
    add(entryLabel(Kind::Custom), {Kind::Custom});
    if (static_cast<std::size_t>(m_lastCalculated.size()) == m_fields.size())
        add(entryLabel(Kind::LastCalculated), {Kind::LastCalculated});
    if (!m_ownNames.isEmpty()) {
        add(entryLabel(Kind::OwnHeader), {Kind::OwnHeader});
        if (auto* model = qobject_cast<QStandardItemModel*>(m_combo->model()))
            model->item(m_combo->count() - 1)->setEnabled(false);
        for (int i = 0; i < m_ownNames.size(); ++i)
            add(m_ownNames[i], {Kind::Own, i});
        m_combo->insertSeparator(m_combo->count());
        m_entries.push_back({Kind::Separator});
    }
    for (std::size_t i = 0; i < m_cores.size(); ++i)
        add(utf8(m_cores[i].name), {Kind::Standard, static_cast<int>(i)});
    m_listWidth = 0;  // measured again when a list next shows
}

QString CatalogPanel::chosenOwnCore() const { return m_chosenOwn; }

void CatalogPanel::showMenu(const QPoint& position, QWidget* on)
{
    QMenu* menu = on == m_combo->lineEdit() ? m_combo->lineEdit()->createStandardContextMenu() : new QMenu(on);
    if (!menu->isEmpty())
        menu->addSeparator();
    m_rename->setEnabled(!m_chosenOwn.isEmpty());
    m_delete->setEnabled(!m_chosenOwn.isEmpty());
    menu->addActions({m_save, m_rename, m_delete});
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(on->mapToGlobal(position));
}

// A line for the user in the reference line's place: navy, or dark red for a problem.
void CatalogPanel::tell(const QString& message, bool problem)
{
    m_reference->setText(problem ? QStringLiteral("<span style=\"color:%1\">%2</span>")
                                       .arg(look::kDarkRed.name(), message.toHtmlEscaped())
                                 : message.toHtmlEscaped());
}

void CatalogPanel::startSaving()
{
    if (m_completer == nullptr)
        narrowWhileTyping();
    m_combo->lineEdit()->setCompleter(nullptr);  // no list of names over the one being typed
    m_naming = true;
    m_overwriting.clear();
    m_combo->lineEdit()->setText(m_renaming.isEmpty() ? m_chosenOwn : m_renaming);
    m_combo->lineEdit()->selectAll();
    m_combo->lineEdit()->setPlaceholderText(tr("型号名称"));
    m_combo->setFocus(Qt::OtherFocusReason);
    tell(m_renaming.isEmpty() ? tr("输入自定义型号的名称，Enter 保存当前尺寸，Esc 取消")
                              : tr("输入新名称，Enter 确定，Esc 取消"),
         false);
}

void CatalogPanel::startRenaming()
{
    if (m_chosenOwn.isEmpty())
        return;
    m_renaming = m_chosenOwn;
    startSaving();
}

void CatalogPanel::cancelNaming()
{
    m_naming = false;
    m_renaming.clear();
    m_overwriting.clear();
    m_combo->lineEdit()->setPlaceholderText(QString());
    if (m_completer != nullptr)
        m_combo->setCompleter(m_completer);
    showEntry(m_combo->currentIndex());
    m_reference->clear();
}

void CatalogPanel::finishNaming()
{
    const QString name = m_combo->lineEdit()->text().trimmed();
    if (name.isEmpty()) {
        tell(tr("名称不能为空；Esc 取消"), true);
        return;
    }
    const store::UserCoreLibrary library(store::UserCoreLibrary::defaultPath(), currentLanguage());
    const QString renamed = m_renaming;
    store::ChangeResult problem;
    if (!renamed.isEmpty()) {
        problem = library.rename(renamed, name);
    } else {
        std::vector<std::string> utf8Texts;
        for (const QLineEdit* field : m_fields)
            utf8Texts.push_back(field->text().toStdString());
        const std::vector<std::string_view> texts(utf8Texts.begin(), utf8Texts.end());
        const Calculation calculation = calculate(m_core, texts, decimalSeparator());
        if (!calculation.succeeded()) {
            cancelNaming();
            tell(tr("未保存：") + utf8(failureMessage(m_core, calculation.failure, currentLanguage())),
                 true);
            return;
        }
        // A name taken (in any family) is saved over only at a second Enter.
        const store::LibraryRead read = library.read();
        const bool taken = std::any_of(read.cores.begin(), read.cores.end(),
                                       [&](const store::UserCore& core) { return core.name == name; });
        if (taken && m_overwriting != name) {
            m_overwriting = name;
            tell(tr("已有自定义型号“%1”；再按 Enter 覆盖，Esc 取消").arg(name), true);
            return;
        }
        problem = library.save({name, utf8(m_core.name), pointTexts()});
    }
    cancelNaming();
    if (!problem.isEmpty()) {
        tell(problem, true);
        return;
    }
    loadOwnCores();
    const int index = m_combo->findText(name);
    const QSignalBlocker quiet(m_combo);
    m_combo->setCurrentIndex(index);
    showEntry(index);
    m_chosen = nullptr;
    m_chosenOwn = name;
    tell(renamed.isEmpty() ? tr("已保存为自定义型号“%1”").arg(name)
                           : tr("“%1”已改名为“%2”").arg(renamed, name),
         false);
}

void CatalogPanel::askToDelete()
{
    if (m_chosenOwn.isEmpty())
        return;
    m_reference->setText(tr("删除自定义型号“%1”？ <a href=\"delete\">删除</a>　<a href=\"keep\">保留</a>")
                             .arg(m_chosenOwn.toHtmlEscaped()));
}

void CatalogPanel::deleteChosen()
{
    const QString name = m_chosenOwn;
    if (name.isEmpty())
        return;
    if (const store::ChangeResult problem = store::UserCoreLibrary(store::UserCoreLibrary::defaultPath(), currentLanguage()).remove(name); !problem.isEmpty()) {
        tell(problem, true);
        return;
    }
    m_chosenOwn.clear();
    loadOwnCores();
    m_combo->setCurrentIndex(0);
    showEntry(0);
    tell(tr("已删除自定义型号“%1”；尺寸仍在各栏中，可再保存").arg(name), false);
}

QString CatalogPanel::dataSheetLine() const
{
    const DataSheet& sheet = m_chosen->dataSheet;
    if (!sheet.anyPublished())
        return tr("数据手册: 无");
    const std::string separator = decimalSeparator();
    QStringList items;
    for (const Quantity q : kPublished)
        if (const std::optional<double> figure = sheet.figure(q))
            items << item(q, figureText(*figure, separator), kUnits[q]);
    return tr("数据手册: ") + items.join(QStringLiteral("  "));
}

void CatalogPanel::showCalculation(const Calculation& result)
{
    if (result.succeeded()) {
        m_lastCalculated = pointTexts();
        m_settings->setLastCalculated(utf8(m_core.name), m_lastCalculated);
    }
    if (m_chosen == nullptr)
        return;
    QString line = dataSheetLine();
    const std::string separator = decimalSeparator();
    QStringList deviations;
    for (const Quantity q : kPublished) {
        const std::optional<double> figure = m_chosen->dataSheet.figure(q);
        if (figure && q < result.written)
            deviations << item(q, deviationText(deviationPercent(result.values[q], *figure), separator), "%");
    }
    if (!deviations.isEmpty())
        line += tr("\n偏差: ") + deviations.join(QStringLiteral("  "));
    m_reference->setText(line);
}

}  // namespace ferricalc
