#pragma once
// The controls of the searches' options in the Puzzelhulp window, one for each option of
// the solver table that has a label: a check box for a flag, a spin box for a number, two
// for a length ("-" is no bound), a field for letters or a word. The controls of the
// chosen search show, with its labels and limits; the others hide. A text of a few
// choices is a list to choose from, "alle" first. Each search starts at its own defaults
// (with ranking and the IJ square checked), and keeps what the user set for it while
// other searches are chosen.

#include <QObject>
#include <QString>
#include <map>
#include <vector>

#include "search/solver_table/solver_table.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QSpinBox;
class QWidget;

namespace taalspoor {

// Fits a spin box to a number option as a search takes it: its limits (a spin box offers
// at most a million), the text it shows for none, its unit and its tip.
void fit_number_box(QSpinBox& box, const TakenOption& taken);

class SolverOptionControls : public QObject {
    Q_OBJECT
public:
    // Adds a row to `form` for every option with a label, in the table's order.
    SolverOptionControls(QFormLayout& form, QWidget& owner);

    // Shows the controls of the search with its labels and limits, at the values last set
    // for it, or its defaults.
    void show_options_of(const SolverSearch& search);
    // What the options of the shown search are set to, in a line: the flags on, and what
    // is set otherwise than none or the search's default. Empty: nothing.
    QString summary() const;
    // The query the controls say for the search, its text and the rest at its defaults.
    SolverQuery query_for(const SolverSearch& search, std::string text) const;

    // The controls by option name, for the window's tests: nullptr when it has no such kind.
    QCheckBox* check_box(const char* option_name) const;
    QSpinBox* spin_box(const char* option_name) const;
    QLineEdit* field(const char* option_name) const;
    QComboBox* choice(const char* option_name) const;
    // The two bounds of a length.
    QSpinBox* shortest() const;
    QSpinBox* longest() const;

signals:
    void changed();

private:
    struct Control {
        const SolverOption* option;
        QLabel* label = nullptr;  // none: the check box is its own label
        QWidget* row = nullptr;   // what the form shows or hides
        QCheckBox* check = nullptr;
        QSpinBox* number = nullptr;
        QSpinBox* least = nullptr;
        QSpinBox* most = nullptr;
        QLineEdit* text = nullptr;
        QComboBox* choice = nullptr;  // a text of a few choices; the first item is none
    };
    void add(const SolverOption& option, QWidget& owner);
    void show_value(Control& control, const SolverQuery& values);
    void read(const Control& control, SolverQuery& query) const;
    const Control* control_of(const char* option_name) const;

    QFormLayout& form_;
    std::vector<Control> controls_;
    const SolverSearch* shown_ = nullptr;
    std::map<const SolverSearch*, SolverQuery> set_by_user_;
    bool filling_ = false;  // the window itself sets a control: no change of the user's
};

}  // namespace taalspoor
