#include "app/about_window.hpp"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "store/settings.hpp"
#include "window/drawing_view.hpp"
#include "window/language.hpp"
#include "window/look.hpp"

namespace ferricalc {

AboutWindow::AboutWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("HELP"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(look::fromTwips(0, 0, 4125, 7095).size());
    setFont(look::kai(15.75));
    QPalette background = palette();
    background.setColor(QPalette::Window, palette().color(QPalette::Base));
    setPalette(background);
    setAutoFillBackground(true);

    // The picture box is wider than the window: the credits are cut at its right edge.
    auto* credits = new DrawingView(QStringLiteral(":/art/credits.svg"), QSize(277, 381), this);
    credits->setObjectName(QStringLiteral("Picture1"));
    credits->setGeometry(look::fromTwips(0, 0, 4935, 6255));

    QPushButton* ok = look::pushButton(QString(), QStringLiteral("Command1"), 15.75, this);
    ok->setGeometry(look::fromTwips(1200, 6480, 1575, 495));

    // Each language is named in itself, so that either reader finds their own.
    auto* language = new QComboBox(this);
    language->setObjectName(QStringLiteral("language"));
    language->setFont(look::song(9));
    language->addItem(QStringLiteral("中文"), QVariant::fromValue(static_cast<int>(Language::Chinese)));
    language->addItem(QStringLiteral("English"), QVariant::fromValue(static_cast<int>(Language::English)));
    language->setCurrentIndex(currentLanguage() == Language::English ? 1 : 0);
    language->setGeometry(look::fromTwips(2880, 6540, 1155, 375));
    language->setToolTip(QStringLiteral("语言 / Language"));
    language->setAccessibleName(QStringLiteral("语言 / Language"));
    connect(language, &QComboBox::activated, this, [language](int index) {
        const auto chosen = static_cast<Language>(language->itemData(index).toInt());
        if (setLanguage(chosen))
            store::Settings::setLanguage(languageName(chosen));
    });
    auto* texts = new TextSetters(*this);
    texts->keep([ok, credits] {
        ok->setText(tr("确定"));
        look::fitCaption(*ok);
        credits->setResource(currentLanguage() == Language::English ? QStringLiteral(":/art/credits-en.svg")
                                                                    : QStringLiteral(":/art/credits.svg"));
    });
    // The window's one button has the focus, so Enter or Space closes it from the keyboard.
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
}

}  // namespace ferricalc
