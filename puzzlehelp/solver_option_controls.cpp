#include "puzzlehelp/solver_option_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <algorithm>
#include <climits>

#include "window_support/latin1_text.h"

namespace taalspoor {

namespace {

// The largest number a spin box offers: more than any count of the table, and than a
// length of a word.
constexpr std::size_t most_counted = 1'000'000;
constexpr std::size_t longest_length = 99;

int spin_value(std::size_t n, std::size_t most) { return static_cast<int>(std::min(n, most)); }

QSpinBox* length_bound(QWidget& owner, const char* name) {
    auto* bound = new QSpinBox(&owner);
    bound->setObjectName(QString::fromLatin1(name));
    bound->setSpecialValueText(QStringLiteral("-"));
    bound->setToolTip(QStringLiteral("- is geen grens"));
    return bound;
}

}  // namespace

void fit_number_box(QSpinBox& box, const TakenOption& taken) {
    box.setRange(spin_value(taken.range.least, most_counted), spin_value(taken.range.most, most_counted));
    if (taken.option->none_text) box.setSpecialValueText(QString::fromUtf8(taken.option->none_text));
    if (taken.option->unit) box.setSuffix(QString::fromUtf8(taken.option->unit));
    box.setToolTip(QString::fromUtf8(taken.shown_tip()));
}

SolverOptionControls::SolverOptionControls(QFormLayout& form, QWidget& owner) : QObject(&owner), form_(form) {
    controls_.reserve(solver_options().size());
    // A list (the Lingo helper's guesses) has a page of its own.
    for (const SolverOption* option : solver_options())
        if (option->label && !std::holds_alternative<std::vector<std::string> SolverQuery::*>(option->sets)) add(*option, owner);
}

void SolverOptionControls::add(const SolverOption& option, QWidget& owner) {
    Control control{&option};
    const QString name = QString::fromLatin1(option.name + 2);  // "drempel"
    const auto user_changed = [this] {
        if (!filling_) emit changed();
    };
    if (std::holds_alternative<bool SolverQuery::*>(option.sets)) {
        control.check = new QCheckBox(&owner);
        control.check->setObjectName(name);
        control.row = control.check;
        form_.addRow(control.check);
        connect(control.check, &QCheckBox::toggled, this, user_changed);
    } else {
        control.label = new QLabel(&owner);
        if (std::holds_alternative<std::size_t SolverQuery::*>(option.sets)) {
            control.number = new QSpinBox(&owner);
            control.number->setObjectName(name);
            control.row = control.number;
            connect(control.number, &QSpinBox::valueChanged, this, user_changed);
        } else if (std::holds_alternative<SquareCount SolverQuery::*>(option.sets)) {
            control.row = new QWidget(&owner);
            auto* bounds = new QHBoxLayout(control.row);
            bounds->setContentsMargins(0, 0, 0, 0);
            control.least = length_bound(owner, "shortest");
            control.most = length_bound(owner, "longest");
            auto* to = new QLabel(QStringLiteral("tot"), &owner);
            to->setBuddy(control.most);
            bounds->addWidget(control.least);
            bounds->addWidget(to);
            bounds->addWidget(control.most);
            bounds->addStretch();
            for (QSpinBox* bound : {control.least, control.most}) connect(bound, &QSpinBox::valueChanged, this, user_changed);
        } else if (option.choices) {
            control.choice = new QComboBox(&owner);
            control.choice->setObjectName(name);
            control.choice->addItem(QStringLiteral("alle"));
            for (const std::string& choice : choices_of(TakenOption{&option})) control.choice->addItem(QString::fromStdString(choice));
            control.row = control.choice;
            connect(control.choice, &QComboBox::currentIndexChanged, this, user_changed);
        } else {
            control.text = new QLineEdit(&owner);
            control.text->setObjectName(name);
            control.row = control.text;
            connect(control.text, &QLineEdit::textChanged, this, user_changed);
        }
        control.label->setBuddy(control.least ? static_cast<QWidget*>(control.least) : control.row);
        form_.addRow(control.label, control.row);
    }
    controls_.push_back(control);
}

void SolverOptionControls::show_options_of(const SolverSearch& search) {
    // What the user set stays with the search it was set for; another search starts at
    // its own defaults, as taalspoor-zoek and the web page do.
    if (shown_) set_by_user_[shown_] = query_for(*shown_, {});
    shown_ = &search;
    const auto kept = set_by_user_.find(&search);
    const SolverQuery values = kept != set_by_user_.end() ? kept->second : interactive_defaults(search);
    filling_ = true;
    for (Control& control : controls_) {
        const TakenOption* taken = search.taken(*control.option);
        form_.setRowVisible(control.row, taken != nullptr);
        if (!taken) continue;
        const QString label = QString::fromUtf8(taken->shown_label()), tip = QString::fromUtf8(taken->shown_tip());
        (control.check ? static_cast<QWidget*>(control.check) : control.label)->setToolTip(tip);
        if (control.check) control.check->setText(label);
        else control.label->setText(label);
        if (control.text || control.choice) control.row->setToolTip(tip);
        if (control.number) fit_number_box(*control.number, *taken);
        for (QSpinBox* bound : {control.least, control.most})
            if (bound) bound->setRange(0, spin_value(taken->range.most, longest_length));
        show_value(control, values);
    }
    filling_ = false;
}

void SolverOptionControls::show_value(Control& control, const SolverQuery& values) {
    std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, bool SolverQuery::*>) {
                control.check->setChecked(values.*member == control.option->flag_value);
            } else if constexpr (std::is_same_v<Member, std::size_t SolverQuery::*>) {
                control.number->setValue(spin_value(values.*member, most_counted));
            } else if constexpr (std::is_same_v<Member, SquareCount SolverQuery::*>) {
                const SquareCount& length = values.*member;
                control.least->setValue(spin_value(length.least, longest_length));
                control.most->setValue(length.most == no_limit ? 0 : spin_value(length.most, longest_length));
            } else if constexpr (std::is_same_v<Member, std::string SolverQuery::*>) {
                if (control.choice) control.choice->setCurrentIndex(std::max(0, control.choice->findText(from_latin1(values.*member))));
                else control.text->setText(from_latin1(values.*member));
            }
        },
        control.option->sets);
}

void SolverOptionControls::read(const Control& control, SolverQuery& query) const {
    std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, bool SolverQuery::*>) {
                query.*member = control.check->isChecked() == control.option->flag_value;
            } else if constexpr (std::is_same_v<Member, std::size_t SolverQuery::*>) {
                query.*member = static_cast<std::size_t>(control.number->value());
            } else if constexpr (std::is_same_v<Member, SquareCount SolverQuery::*>) {
                const auto most = static_cast<std::size_t>(control.most->value());
                query.*member = {static_cast<std::size_t>(control.least->value()), most == 0 ? no_limit : most};
            } else if constexpr (std::is_same_v<Member, std::string SolverQuery::*>) {
                query.*member = control.choice ? (control.choice->currentIndex() == 0 ? std::string() : to_latin1(control.choice->currentText()))
                                               : to_latin1(control.text->text());
            }
        },
        control.option->sets);
}

namespace {

// "Gangbaar&heid:" as a summary says it: "gangbaarheid".
QString plain_label(QString label) {
    label.remove(QLatin1Char('&'));
    if (label.endsWith(QLatin1Char(':'))) label.chop(1);
    if (!label.isEmpty()) label[0] = label[0].toLower();
    return label;
}

}  // namespace

QString SolverOptionControls::summary() const {
    if (!shown_) return {};
    QStringList parts;
    for (const Control& control : controls_) {
        if (!shown_->taken(*control.option)) continue;
        const QString label = plain_label(control.check ? control.check->text() : control.label->text());
        if (control.check && control.check->isChecked()) parts << label;
        if (control.number && static_cast<std::size_t>(control.number->value()) !=
                                  std::min(shown_->defaults.*std::get<std::size_t SolverQuery::*>(control.option->sets), most_counted))
            parts << QStringLiteral("%1 %2").arg(label, control.number->text());
        if (control.least && (control.least->value() > 0 || control.most->value() > 0))
            parts << QStringLiteral("%1 %2 tot %3").arg(label, control.least->text(), control.most->text());
        if (control.text && !control.text->text().isEmpty()) parts << QStringLiteral("%1 %2").arg(label, control.text->text());
        if (control.choice && control.choice->currentIndex() > 0) parts << QStringLiteral("%1 %2").arg(label, control.choice->currentText());
    }
    return parts.join(QStringLiteral(", "));
}

SolverQuery SolverOptionControls::query_for(const SolverSearch& search, std::string text) const {
    SolverQuery query = default_query(search);
    query.text = std::move(text);
    for (const Control& control : controls_)
        if (search.taken(*control.option)) read(control, query);
    return query;
}

const SolverOptionControls::Control* SolverOptionControls::control_of(const char* option_name) const {
    for (const Control& control : controls_)
        if (std::string_view(control.option->name) == option_name) return &control;
    return nullptr;
}

QCheckBox* SolverOptionControls::check_box(const char* name) const {
    const Control* c = control_of(name);
    return c ? c->check : nullptr;
}
QSpinBox* SolverOptionControls::spin_box(const char* name) const {
    const Control* c = control_of(name);
    return c ? c->number : nullptr;
}
QLineEdit* SolverOptionControls::field(const char* name) const {
    const Control* c = control_of(name);
    return c ? c->text : nullptr;
}
QComboBox* SolverOptionControls::choice(const char* name) const {
    const Control* c = control_of(name);
    return c ? c->choice : nullptr;
}
QSpinBox* SolverOptionControls::shortest() const {
    const Control* c = control_of("--lengte");
    return c ? c->least : nullptr;
}
QSpinBox* SolverOptionControls::longest() const {
    const Control* c = control_of("--lengte");
    return c ? c->most : nullptr;
}

}  // namespace taalspoor
