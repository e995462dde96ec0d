#include "editor/option_form.h"

#include "options/form_layout.h"
#include "editor/option_widgets.h"
#include "options/option_set.h"

#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QVBoxLayout>

namespace stylewright {
namespace {

QColor frameColour()
{
    return QColor(128, 255, 128);
}

// A tab's frame. Sizing a tab that is not in view would measure every caption and list item on
// it before the window can first show; its size counts once it is shown.
class TabFrame : public QFrame {
public:
    QSize sizeHint() const override { return isHidden() ? QSize() : QFrame::sizeHint(); }
    QSize minimumSizeHint() const override { return isHidden() ? QSize() : QFrame::minimumSizeHint(); }
};

class FrameBuilder {
public:
    FrameBuilder(QWidget *frame, QVBoxLayout *layout, int fieldHeight, std::function<QWidget *(Option)> makeField)
        : m_frame(frame), m_layout(layout), m_makeField(std::move(makeField)), m_fieldHeight(fieldHeight)
    {
    }

    void addGroup(const FormGroup &group)
    {
        QVBoxLayout *rows = m_layout;
        if (!group.title.isEmpty()) {
            auto *box = new QGroupBox(group.title, m_frame);
            rows = new QVBoxLayout(box);
            rows->setContentsMargins(6, 4, 6, 4);
            rows->setSpacing(4);
            m_layout->addWidget(box);
        }
        for (const FormRow &row : group.rows)
            rows->addLayout(buildRow(row));
    }

    // Labels that name one column of stacked rows get one width, so the fields line up.
    void alignStacks()
    {
        for (const QList<QLabel *> &labels : std::as_const(m_stacks)) {
            int width = 0;
            for (QLabel *label : labels)
                width = std::max(width, label->sizeHint().width());
            for (QLabel *label : labels)
                label->setMinimumWidth(width);
        }
    }

private:
    QHBoxLayout *buildRow(const FormRow &row)
    {
        auto *line = new QHBoxLayout;
        line->setSpacing(6);
        const Qt::Alignment align = row.hasHeadings ? Qt::AlignBottom : Qt::Alignment();
        bool expands = false;
        for (const FormCell &cell : row.cells) {
            if (!cell.option) {
                QLabel *label = makeLabel(cell.text);
                if (cell.stack)
                    m_stacks[*cell.stack].append(label);
                line->addWidget(label, 0, align);
                continue;
            }
            QWidget *field = m_makeField(*cell.option);
            field->setMinimumHeight(m_fieldHeight);
            const int stretch = field->sizePolicy().horizontalPolicy() == QSizePolicy::Expanding ? 1 : 0;
            expands = expands || stretch > 0;
            if (cell.heading.isEmpty()) {
                line->addWidget(field, stretch, align);
            } else {
                auto *column = new QVBoxLayout;
                column->setSpacing(1);
                column->addWidget(new QLabel(cell.heading, m_frame));
                column->addWidget(field);
                line->addLayout(column, stretch);
            }
        }
        if (!expands)
            line->addStretch();
        return line;
    }

    QLabel *makeLabel(const QString &text)
    {
        auto *label = new QLabel(text, m_frame);
        label->setMinimumHeight(m_fieldHeight);
        return label;
    }

    QWidget *m_frame;
    QVBoxLayout *m_layout;
    std::function<QWidget *(Option)> m_makeField;
    int m_fieldHeight;
    QHash<int, QList<QLabel *>> m_stacks;
};

} // namespace

OptionForm::OptionForm(OptionSet &options, QTabWidget *tabs)
    : QObject(tabs), m_options(options), m_tabs(tabs), m_look(this)
{
    connect(&m_options.changes(), &OptionChanges::changed, this, &OptionForm::show);
    for (const TabDef &def : stylewright::tabs()) {
        auto *frame = new TabFrame;
        frame->setObjectName(def.frame.toString());
        frame->setAutoFillBackground(true);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Window, frameColour());
        frame->setPalette(palette);
        tabs->addTab(frame, def.caption.toString());
    }
    connect(tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0 && index < kTabCount)
            buildTab(Area(index));
    });
    buildTab(Area(std::max(tabs->currentIndex(), 0)));
}

QWidget *OptionForm::builtField(Option option)
{
    buildTab(optionDef(option).area);
    return widgetOf(option);
}

std::optional<Option> OptionForm::optionOf(const QObject *widget) const
{
    for (const QObject *w = widget; w; w = w->parent()) {
        const auto found = m_optionOfField.constFind(w);
        if (found != m_optionOfField.constEnd())
            return *found;
    }
    return std::nullopt;
}

void OptionForm::forEachField(QObject *context, const std::function<void(Option, QWidget *)> &use)
{
    for (const OptionDef &def : options()) {
        if (QWidget *field = widgetOf(def.option))
            use(def.option, field);
    }
    connect(this, &OptionForm::fieldBuilt, context, use);
}

void OptionForm::buildTab(Area area)
{
    if (m_built[int(area)])
        return;
    m_built[int(area)] = true;
    const TabDef &def = tabDef(area);
    QWidget *frame = m_tabs->widget(int(area));
    // Built hidden and then shown, the new fields are in place before the tab first paints.
    const bool visible = frame->isVisible();
    if (visible)
        frame->hide();
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);
    auto *top = new QHBoxLayout;
    top->addStretch();
    auto *button = new QPushButton(QStringLiteral("显示代码"), frame);
    button->setObjectName(def.areaButton.toString());
    connect(button, &QPushButton::clicked, this, [this, area] { emit areaButtonClicked(area); });
    m_areaButtons[int(area)] = button;
    top->addWidget(button);
    layout->addLayout(top);

    if (m_fieldHeight == 0)
        m_fieldHeight = QLineEdit().sizeHint().height();
    FrameBuilder builder(frame, layout, m_fieldHeight,
                         [this, frame](Option option) { return makeField(optionDef(option), frame); });
    for (const FormGroup &group : formLayout(area))
        builder.addGroup(group);
    builder.alignStacks();
    layout->addStretch();
    if (visible)
        frame->show();
    for (const OptionDef &option : options()) {
        if (QWidget *field = widgetOf(option.option); field && option.area == area)
            emit fieldBuilt(option.option, field);
    }
}

QWidget *OptionForm::makeField(const OptionDef &def, QWidget *frame)
{
    QWidget *w = m_look.create(def);
    w->setParent(frame);
    m_fields[rowOf(def.option)] = w;
    m_optionOfField.insert(w, def.option);
    connect(w, &QObject::destroyed, this, [this, w] { m_optionOfField.remove(w); });
    show(def.option);
    onOptionEdited(w, def.kind, this, [this, w, option = def.option](const QString &value) {
        if (m_showing)
            return;
        const auto apply = [&] { m_options.setValue(option, value); };
        if (m_editRunner)
            m_editRunner(option, isTyped(w, optionDef(option).kind), apply);
        else
            apply();
    });
    return w;
}

void OptionForm::show(Option option)
{
    QWidget *w = widgetOf(option);
    if (!w)
        return;
    const QScopedValueRollback guard(m_showing, true);
    showOptionValue(w, optionDef(option).kind, m_options.value(option));
    w->setEnabled(m_options.isEnabled(option));
}

} // namespace stylewright
