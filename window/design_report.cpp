// 导出 PDF…: the design as a two-page A4 report. The first page holds the
// core (its drawing, dimensions and C1 … Ve) and the magnetic design with the
// AL plot; the second the losses and temperature rise with the Pv plot. Every
// figure is the text the window shows, so the report and the screen agree to
// the digit. The page is drawn at 96 units to the inch, the screen's logical
// resolution, so that the plots render into it at the size they are laid out
// for; text, lines and the drawing stay vectors in the PDF.

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QAbstractSpinBox>
#include <QRadioButton>
#include <algorithm>
#include <array>

#include "calc/calculation.hpp"
#include "store/settings.hpp"
#include "window/al_gap_plot.hpp"
#include "window/design_field.hpp"
#include "window/design_form.hpp"
#include "window/svg_drawing.hpp"
#include "window/design_window.hpp"
#include "window/look.hpp"
#include "window/pv_plot.hpp"
#include "window/language.hpp"

namespace ferricalc {

using namespace design_form;

namespace {

constexpr int kDotsPerInch = 96;
constexpr qreal kMarginMm = 15;

using Rows = std::vector<std::pair<QString, QString>>;

// Caption and value in columns of equal width, the captions no wider than the
// widest needs (a letter gives its room to the value); returns the height taken.
int drawRows(QPainter& painter, const QRect& area, const Rows& rows, int columns)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const int rowHeight = metrics.height() + 3;
    const int columnWidth = area.width() / columns;
    int widest = 0;
    for (const auto& row : rows)
        widest = std::max(widest, metrics.horizontalAdvance(row.first));
    const int captionWidth = std::min(columnWidth * 9 / 20, widest + 16);
    const int perColumn = (static_cast<int>(rows.size()) + columns - 1) / columns;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int column = static_cast<int>(i) / perColumn;
        const int row = static_cast<int>(i) % perColumn;
        const QRect cell(area.left() + column * columnWidth, area.top() + row * rowHeight, columnWidth - 8, rowHeight);
        painter.drawText(cell.adjusted(0, 0, captionWidth - cell.width(), 0), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(rows[i].first, Qt::ElideRight, captionWidth - 4));
        painter.drawText(cell.adjusted(captionWidth, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(rows[i].second, Qt::ElideRight, cell.width() - captionWidth));
    }
    return perColumn * rowHeight;
}

int drawHeading(QPainter& painter, int top, int width, const QString& heading)
{
    painter.setFont(look::kai(13));
    const int height = painter.fontMetrics().height();
    painter.drawText(QRect(0, top, width, height), Qt::AlignLeft | Qt::AlignVCenter, heading);
    painter.setPen(QPen(Qt::gray, 0.5));
    painter.drawLine(0, top + height + 1, width, top + height + 1);
    painter.setPen(Qt::black);
    painter.setFont(look::song(9));
    return height + 6;
}

// Lines of notes, wrapped; returns the height taken.
int drawNotes(QPainter& painter, const QRect& area, const QStringList& notes)
{
    if (notes.isEmpty())
        return 0;
    QRect used;
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, notes.join(QLatin1Char('\n')), &used);
    return used.height() + 4;
}

// A widget drawn into `target` at that size, then given back its own.
void drawWidget(QPainter& painter, QWidget& widget, const QRect& target)
{
    const QSize own = widget.size();
    widget.resize(target.size());
    widget.render(&painter, target.topLeft(), QRegion(), QWidget::DrawChildren);
    widget.resize(own);
}

QString shownText(const QWidget* widget)
{
    if (const auto* field = qobject_cast<const QAbstractSpinBox*>(widget))
        return field->text();
    return static_cast<const QLabel*>(widget)->text();
}

}  // namespace

bool DesignWindow::exportPdfTo(const QString& path)
{
    ensureLossPage();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        tell(tr("未能导出 %1：%2").arg(QDir::toNativeSeparators(path), file.errorString()), true);
        return false;
    }
    const QString title = tr("磁路设计 — %1").arg(descriptorText(m_core.optionCaption));
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(kDotsPerInch);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter));
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("ferricalc " FERRICALC_VERSION));
        QPainter painter(&pdf);
        const int width = pdf.width();
        const int height = pdf.height();

        // The heading: what, and when and by which version.
        painter.setFont(look::kai(16));
        const int titleHeight = painter.fontMetrics().height();
        painter.drawText(QRect(0, 0, width, titleHeight), Qt::AlignLeft | Qt::AlignVCenter, title);
        painter.setFont(look::song(8));
        painter.drawText(QRect(0, 0, width, titleHeight), Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("%1 · ferricalc %2")
                             .arg(QDate::currentDate().toString(Qt::ISODate), QStringLiteral(FERRICALC_VERSION)));
        int top = titleHeight + 8;

        // The core: its drawing beside its dimensions and C1 … Ve.
        top += drawHeading(painter, top, width,
                           m_standardCore.empty() ? tr("磁芯")
                                                  : tr("磁芯　%1").arg(text(m_standardCore)));
        const QRect drawingBox(0, top, width * 2 / 5, 190);
        drawSvg(text(m_core.drawing.resource), painter, QRectF(drawingBox), SvgFit::KeepAspectRatio);
        Rows dimensions;
        for (std::size_t i = 0; i < m_core.fields.size() && i < static_cast<std::size_t>(m_fieldTexts.size()); ++i)
            dimensions.emplace_back(text(m_core.fields[i].letter), m_fieldTexts[static_cast<qsizetype>(i)] + QStringLiteral(" mm"));
        std::vector<std::string> utf8;
        for (const QString& fieldText : m_fieldTexts)
            utf8.push_back(fieldText.toStdString());
        const std::vector<std::string_view> texts(utf8.begin(), utf8.end());
        const Calculation calculation = calculate(m_core, texts, m_separator);
        Rows constants;
        for (int i = 0; i < calculation.written; ++i)
            constants.emplace_back(text(kQuantityNames[static_cast<std::size_t>(i)]),
                                   text(calculation.texts[static_cast<std::size_t>(i)].view()));
        const QRect tables(drawingBox.right() + 16, top, width - drawingBox.right() - 16, drawingBox.height());
        const int dimensionHeight = drawRows(painter, tables, dimensions, 2);
        drawRows(painter, tables.adjusted(0, dimensionHeight + 8, 0, 0), constants, 2);
        top += drawingBox.height() + 10;

        // The design: the material, and every input and figure of the first page as the window shows them.
        const std::size_t designEntries = m_copiedBeforeLosses;
        Rows design{{tr("材料"), m_material->currentText()}};
        // A box the design does not use now (the inductance wanted while it goes by turns) is left out.
        const std::array<const QWidget*, 3> unused{m_byTurns->isChecked() ? m_inductance : m_turns,
                                                   m_byRipple->isChecked() ? m_acFluxInput : m_ripple,
                                                   m_waveform->currentIndex() == 1 ? nullptr : m_duty};
        const auto used = [&](const QWidget* widget) {
            return std::find(unused.begin(), unused.end(), widget) == unused.end();
        };
        for (std::size_t i = 0; i < designEntries; ++i)
            if (used(m_copied[i].second))
                design.emplace_back(m_copied[i].first, shownText(m_copied[i].second));
        top += drawHeading(painter, top, width, tr("磁路与饱和"));
        top += drawRows(painter, QRect(0, top, width, height - top), design, 2);
        QStringList notes;
        for (const QLabel* note : {m_status, m_saturationNote, m_windingNote})
            if (!note->text().isEmpty())
                notes << note->text();
        top += drawNotes(painter, QRect(0, top, width, height - top), notes);
        drawWidget(painter, *m_plot, QRect(0, top + 4, width, std::min(360, height - top - 4)));

        // The losses and the temperature rise.
        pdf.newPage();
        top = drawHeading(painter, 0, width, tr("损耗与温升"));
        Rows losses;
        for (std::size_t i = designEntries; i < m_copied.size(); ++i) {
            if (used(m_copied[i].second))
                losses.emplace_back(m_copied[i].first, shownText(m_copied[i].second));
            if (m_copied[i].second == m_frequency)
                losses.emplace_back(tr("波形"), m_waveform->currentText());
        }
        top += drawRows(painter, QRect(0, top, width, height - top), losses, 2);
        top += drawNotes(painter, QRect(0, top, width, height - top),
                         m_lossNote->text().isEmpty() ? QStringList() : QStringList{m_lossNote->text()});
        drawWidget(painter, *m_pvPlot, QRect(0, top + 4, width, std::min(400, height - top - 4)));
    }
    if (!file.commit()) {
        tell(tr("未能导出 %1：%2").arg(QDir::toNativeSeparators(path), file.errorString()), true);
        return false;
    }
    tell(tr("已导出 %1").arg(QDir::toNativeSeparators(path)), false);
    return true;
}

void DesignWindow::chooseReportFile()
{
    const QString folder = store::Settings().lastFolder();
    const QString suggested =
        QDir(folder.isEmpty() ? QDir::homePath() : folder).filePath(text(m_core.name) + QStringLiteral(".pdf"));
    QString path = QFileDialog::getSaveFileName(this, tr("导出 PDF"), suggested,
                                                QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    if (exportPdfTo(path))
        store::Settings().setLastFolder(QFileInfo(path).absolutePath());
}

}  // namespace ferricalc
