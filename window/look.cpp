#include "window/look.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVariant>
#include <algorithm>

#include "window/language.hpp"

namespace ferricalc::look {

namespace {

// A face named in order of preference, as this system has it. Asking for a
// family the system lacks sends the font database through fontconfig's whole
// list of substitutes, once for each script of the text, which costs more at
// start-up than drawing every caption; so the names it does not list are left
// out. Where it lists none of them the names stay as they are, for fontconfig
// to substitute.
struct Face {
    QStringList families;
    // The AR PL faces carry no hinting instructions: FreeType would run its
    // auto-hinter, which studies a good part of each 20 MB face before the first
    // glyph, for no visible gain (UMing draws its small sizes from embedded
    // bitmaps). Faces with instructions keep the desktop's hinting.
    bool unhinted = false;
};

Face installed(const QStringList& preferred)
{
    const QStringList available = QFontDatabase::families();
    Face face;
    for (const QString& family : preferred)
        if (available.contains(family))
            face.families.append(family);
    if (face.families.isEmpty())
        face.families = preferred;
    face.unhinted = face.families.front().startsWith(QStringLiteral("AR PL "));
    return face;
}

QFont font(const Face& face, qreal pointSize)
{
    QFont font;
    font.setFamilies(face.families);
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::Serif);
    if (face.unhinted)
        font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

enum class FaceKind { Song, Kai };

// English captions are set in a Latin serif, with the Chinese face behind it
// for any Chinese a name or the user's typing holds; the Chinese faces' own
// Latin letters are drawn for a line of Chinese, not for running English.
Face english(const Face& chinese)
{
    Face face = installed({QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif")});
    face.families.append(chinese.families);
    face.unhinted = false;
    return face;
}

const Face& face(FaceKind kind, Language language)
{
    static const Face kSong = installed({QStringLiteral("宋体"), QStringLiteral("SimSun"),
                                         QStringLiteral("AR PL UMing CN")});
    // KaiTi_GB2312 is 楷体_GB2312's name where the system lists fonts by their English names.
    static const Face kKai = installed({QStringLiteral("楷体_GB2312"), QStringLiteral("KaiTi_GB2312"),
                                        QStringLiteral("KaiTi"), QStringLiteral("AR PL UKai CN")});
    if (language == Language::Chinese)
        return kind == FaceKind::Song ? kSong : kKai;
    // Built the first time English is asked for: a Chinese start looks up no Latin face.
    static const Face kSongEnglish = english(kSong);
    static const Face kKaiEnglish = english(kKai);
    return kind == FaceKind::Song ? kSongEnglish : kKaiEnglish;
}

}  // namespace

QFont song(qreal pointSize) { return font(face(FaceKind::Song, currentLanguage()), pointSize); }

QFont kai(qreal pointSize) { return font(face(FaceKind::Kai, currentLanguage()), pointSize); }

void matchFontsToLanguage(QWidget& window)
{
    const Language now = currentLanguage();
    const Language other = now == Language::English ? Language::Chinese : Language::English;
    const auto match = [&](QWidget& widget) {
        if (!widget.testAttribute(Qt::WA_SetFont))
            return;
        for (const FaceKind kind : {FaceKind::Song, FaceKind::Kai}) {
            if (widget.font().families() != face(kind, other).families)
                continue;
            const Face& wanted = face(kind, now);
            QFont font = widget.font();
            font.setFamilies(wanted.families);
            font.setHintingPreference(wanted.unhinted ? QFont::PreferNoHinting : QFont::PreferDefaultHinting);
            widget.setFont(font);
            return;
        }
    };
    match(window);
    for (QWidget* child : window.findChildren<QWidget*>())
        match(*child);
}

void applyDefaultFont(QApplication& app) { app.setFont(song(9)); }

QRect fromTwips(const TwipRect& rect) { return fromTwips(rect.left, rect.top, rect.width, rect.height); }

QRect fromTwips(int left, int top, int width, int height)
{
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel};
}

void paintLabel(QLabel& label, const QColor& text, const QColor& background)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    label.setPalette(palette);
    label.setAutoFillBackground(true);
}

QPushButton* pushButton(const QString& caption, const QString& objectName, qreal pointSize, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setFont(kai(pointSize));
    // Outside a dialog nothing else is a default button, so this only makes a
    // focused button take Enter; the style draws it as the default meanwhile.
    button->setAutoDefault(true);
    return button;
}

QRect textRoom(const QWidget& control)
{
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        const int inset = label->margin() + std::max(label->indent(), 0);
        return label->contentsRect().adjusted(inset, label->margin(), -inset, -label->margin());
    }
    QStyleOptionButton option;
    option.initFrom(&control);
    const QStyle& style = *control.style();
    if (qobject_cast<const QRadioButton*>(&control) != nullptr || qobject_cast<const QCheckBox*>(&control) != nullptr) {
        const bool radio = qobject_cast<const QRadioButton*>(&control) != nullptr;
        return style.subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option,
                                    &control);
    }
    const int inset = style.pixelMetric(QStyle::PM_ButtonMargin, &option, &control) / 2
                      + style.pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &control);
    return control.rect().adjusted(inset, inset, -inset, -inset);
}

namespace {

QString captionOf(const QWidget& control)
{
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    return {};
}

bool fits(const QWidget& control, const QFont& font, const QRect& room, bool wrapped)
{
    const QFontMetrics metrics(font);
    const QString caption = captionOf(control);
    if (!wrapped)
        // The width the text is laid out to, its fractional advance rounded up.
        return metrics.boundingRect(QRect(0, 0, 100000, 100000), 0, caption).width() <= room.width()
               && metrics.height() <= room.height();
    const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, caption);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

}  // namespace

void fitCaption(QWidget& control)
{
    // The size the window gave the control, kept before any shrinking.
    const char* const kFullSize = "fullPointSize";
    QVariant full = control.property(kFullSize);
    if (!full.isValid()) {
        full = control.font().pointSizeF();
        control.setProperty(kFullSize, full);
    }
    QFont font = control.font();
    font.setPointSizeF(full.toDouble());
    auto* label = qobject_cast<QLabel*>(&control);
    const QRect room = textRoom(control);
    bool wrapped = false;
    if (label != nullptr && !fits(control, font, room, false) && captionOf(control).contains(QLatin1Char(' '))
        && fits(control, font, room, true))
        wrapped = true;
    for (qreal size = full.toDouble(); !wrapped && size > 5.0 && !fits(control, font, room, false); size -= 0.25)
        font.setPointSizeF(size - 0.25);
    if (label != nullptr)
        label->setWordWrap(wrapped);
    control.setFont(font);
}

void showKeyboardFocus(QWidget& window) { window.window()->setAttribute(Qt::WA_KeyboardFocusChange); }

}  // namespace ferricalc::look
