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
//
// Above the catalogue the list offers "上次计算", the fields of this family's
// last successful Calculate (store/settings.hpp), and the user's own cores
// (自定义型号, store/user_cores.hpp) in a group of their own. The box's context
// menu (and Ctrl+S) keeps the fields as such a core under a name typed into the
// box itself, and renames or deletes the one chosen; a deletion is confirmed in
// the reference line. Nothing here opens a dialog.

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <span>
#include <vector>

#include "calc/calculation.hpp"
#include "cores/catalog.hpp"

class QAction;
class QComboBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QWidget;

namespace ferricalc {

namespace store {
class Settings;
}

class CatalogPanel : public QObject {
    Q_DECLARE_TR_FUNCTIONS(CatalogPanel)

public:
    // The caption, the combo box and the reference line become children of
    // `window` where the descriptor places them; `fields` are the window's, in
    // chain order.
    CatalogPanel(const CoreDescriptor& core, std::span<QLineEdit* const> fields, QWidget& window);
    ~CatalogPanel() override;

    QComboBox* comboBox() const { return m_combo; }

    // The standard core whose texts the fields hold, as chosen from the list;
    // null once a field is edited (the fields are then the user's own).
    const StandardCore* chosen() const { return m_chosen; }

    // Fills the fields with a standard core of the family, as choosing it from the list does.
    void chooseCore(const StandardCore& core);

    // After a Calculate: while the fields hold the chosen core's texts, the
    // reference line adds the deviations of the results from the data sheet;
    // a successful one becomes the family's "上次计算".
    void showCalculation(const Calculation& result);

    // 保存为自定义型号…: the box empties for the name; Enter saves, Escape cancels.
    void startSaving();
    // 重命名…: the same for the user's core chosen now.
    void startRenaming();
    // 删除自定义型号…: the reference line asks to confirm.
    void askToDelete();
    // The user's core chosen now; empty when none is.
    QString chosenOwnCore() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What each entry of the box stands for.
    enum class Kind { Custom, LastCalculated, OwnHeader, Own, Separator, Standard };
    struct Entry {
        Kind kind;
        int index = 0;  // into m_own or m_cores
    };

    void loadOwnCores();
    void fillList();
    static QString entryLabel(Kind kind);  // empty for the entries that are names
    void relabelEntries();
    void fillFields(const QStringList& pointTexts);
    void finishNaming();
    void cancelNaming();
    void deleteChosen();
    void showMenu(const QPoint& position, QWidget* on);
    void tell(const QString& message, bool problem);
    QStringList pointTexts() const;
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

    const CoreDescriptor& m_core;
    std::vector<Entry> m_entries;   // one per item of the box
    QList<QStringList> m_ownTexts;  // the user's cores of this family: their texts,
    QStringList m_ownNames;         // and their names
    QStringList m_lastCalculated;   // the family's last successful Calculate, a point as separator
    QString m_chosenOwn;            // the user's core chosen, while the fields hold it
    QString m_renaming;             // the core being renamed, while the box takes its new name
    QString m_overwriting;          // a name taken, to be saved over by a second Enter
    bool m_naming = false;          // the box takes a name
    std::unique_ptr<store::Settings> m_settings;
    QAction* m_save = nullptr;
    QAction* m_rename = nullptr;
    QAction* m_delete = nullptr;
};

}  // namespace ferricalc
