#pragma once
// 磁芯选型: which standard core for an inductor. The requirement (inductance,
// peak current, ripple, frequency, duty, core temperature) and the limits (ΔT,
// the share of Bsat, the window's fill) on the left, the families and materials
// to consider below them; every standard core designed for it (calc/advisor)
// in a sortable table, the feasible first, and beside it total loss against
// core volume for every feasible design, those that no other design beats in
// both marked and joined. Enter or a double-click on a row opens that core in a
// calculator window, calculated, with its design window set to the row's
// material, gap, turns and wire.

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QWidget>
#include <functional>
#include <vector>

#include "calc/advisor.hpp"

class QAbstractItemModel;
class QComboBox;
class QListWidget;
class QSortFilterProxyModel;
class QTableView;
class QTimer;

namespace ferricalc {

class AdviceModel;
class AdviceScatter;
class DesignField;

class AdvisorWindow : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(AdvisorWindow)

public:
    // `open` is called with the row chosen (Enter or a double-click).
    AdvisorWindow(const Requirement& requirement, const Material* material,
                  std::function<void(const Advice&, const Requirement&)> open, QWidget* parent);
    ~AdvisorWindow() override;

    const std::vector<Advice>& advice() const;
    Requirement requirement() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Advises again for the inputs as they stand: in a worker thread, so that
    // typing never waits for it (many materials take tens of milliseconds); an
    // edit made meanwhile advises once more when it is done.
    void readvise();
    void showAdvice();
    void openRow(const QModelIndex& index);

    std::function<void(const Advice&, const Requirement&)> m_open;
    DesignField* m_inductance = nullptr;
    DesignField* m_current = nullptr;
    DesignField* m_ripple = nullptr;
    DesignField* m_frequency = nullptr;
    DesignField* m_duty = nullptr;
    DesignField* m_temperature = nullptr;
    DesignField* m_maxRise = nullptr;
    DesignField* m_maxShare = nullptr;
    DesignField* m_maxFill = nullptr;
    QComboBox* m_ranking = nullptr;
    QListWidget* m_families = nullptr;
    QListWidget* m_materials = nullptr;
    AdviceModel* m_model = nullptr;
    QSortFilterProxyModel* m_sorted = nullptr;
    QTableView* m_table = nullptr;
    AdviceScatter* m_scatter = nullptr;
    QTimer* m_pending = nullptr;  // one advice per burst of edits
    QFutureWatcher<std::vector<Advice>>* m_working = nullptr;
    Requirement m_workingRequirement;
    bool m_again = false;  // inputs changed while advising
};

}  // namespace ferricalc
