#pragma once
// The standard-core catalogue of one calculator window: the caption "标准型号:",
// an editable combo box of the family's standard cores whose list narrows to
// the names holding what the user types, and the reference line with the
// chosen core's data sheet.
//
// Choosing a core fills every field with the catalogue's texts, written with
// the user's decimal separator, and calculates nothing: the results change
// only on Calculate. After a Calculate on those very texts the reference line
// adds each result's deviation from the data sheet. Editing any field returns
// the combo box to "自定义" and clears the reference line.

#include <QObject>
#include <span>
#include <vector>

#include "calc/calculation.hpp"
#include "cores/catalog.hpp"

class QComboBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QWidget;

namespace ferricalc {

class CatalogPanel : public QObject {
public:
    // The caption, the combo box and the reference line become children of
    // `window` where the descriptor places them; `fields` are the window's, in
    // chain order.
    CatalogPanel(const CoreDescriptor& core, std::span<QLineEdit* const> fields, QWidget& window);

    QComboBox* comboBox() const { return m_combo; }

    // The standard core whose texts the fields hold, as chosen from the list;
    // null once a field is edited (the fields are then the user's own).
    const StandardCore* chosen() const { return m_chosen; }

    // Fills the fields with a standard core of the family, as choosing it from the list does.
    void chooseCore(const StandardCore& core);

    // After a Calculate: while the fields hold the chosen core's texts, the
    // reference line adds the deviations of the results from the data sheet.
    void showCalculation(const Calculation& result);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose(int index);
    void showEntry(int index);
    void returnToCustom();
    QString dataSheetLine() const;
    void narrowWhileTyping();
    void widenLists();

    std::span<const StandardCore> m_cores;
    std::vector<QLineEdit*> m_fields;
    QComboBox* m_combo = nullptr;
    QCompleter* m_completer = nullptr;  // made when the box first takes the focus
    int m_listWidth = 0;                // of the lists, once measured
    QLabel* m_reference = nullptr;
    const StandardCore* m_chosen = nullptr;  // null while the fields are the user's own
    bool m_filling = false;                  // the panel itself is writing the fields
};

}  // namespace ferricalc
