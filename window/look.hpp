#pragma once
// The look that the program's windows share: the Song and Kai faces with their
// fallbacks, the house colours, and twips turned into logical pixels.

#include <QColor>
#include <QFont>
#include <QRect>

#include "cores/descriptor.hpp"

class QApplication;
class QLabel;
class QPushButton;
class QWidget;

namespace ferricalc::look {

inline const QColor kDarkRed{192, 0, 0};  // captions, and a failure's message
// Advice beside a valid result (a display too coarse, doubtful dimensions, a
// flux density near saturation): heeded, but not a failure. Darker than plain
// amber, to read on white.
inline const QColor kDarkAmber{160, 90, 0};
inline const QColor kNavy{0, 0, 128};
inline const QColor kLightGreen{192, 255, 192};

// "宋体" (SimSun), falling back to AR PL UMing where SimSun is not installed;
// in English a Latin serif before it.
QFont song(qreal pointSize);
// "楷体_GB2312" (KaiTi), falling back to AR PL UKai; in English a Latin serif before it.
QFont kai(qreal pointSize);

// Gives every control of `window` whose font was set as song() or kai() in the
// other language the same face in the current one, at the size it has.
void matchFontsToLanguage(QWidget& window);

// The toolkit's default font of a Chinese desktop: Song at 9 pt.
void applyDefaultFont(QApplication& app);

QRect fromTwips(const TwipRect& rect);
QRect fromTwips(int left, int top, int width, int height);

// A label drawn in `text` colour on an opaque `background`.
void paintLabel(QLabel& label, const QColor& text, const QColor& background);

// A push button of the windows, its caption in the Kai face. Enter (Return, or
// the keypad's Enter) presses it while it has the focus, as Space does.
QPushButton* pushButton(const QString& caption, const QString& objectName, qreal pointSize, QWidget* parent);

// The room a control has for its text: a label's contents, a button's face
// inside its frame and margins, a radio button's or check box's beside its mark.
QRect textRoom(const QWidget& control);

// A caption set in a control of fixed size: when it is wider than its room
// (an English caption where a Chinese one was laid out), a label wraps it at its
// spaces if its lines then fit the height, and otherwise, as a button does, it
// is drawn smaller until it fits. The control's own size is set again first.
void fitCaption(QWidget& control);

// Focus that the program moves on the user's key (the Enter chain) shows the
// style's focus frame, as focus moved by Tab does.
void showKeyboardFocus(QWidget& window);

}  // namespace ferricalc::look
