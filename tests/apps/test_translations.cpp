// With Qt's Chinese translations loaded, the standard dialogs the user meets read in Chinese: the
// Yes/No box after "显示代码", the colour dialog, the right-click menu of a text field.

#include "startup/translations.h"
#include "system/qt_colour_dialog.h"
#include "system/qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace stylewright;
using namespace Qt::Literals::StringLiterals;

namespace {

// Runs `look` on the modal dialog `open` shows, then closes it with `close`.
template <typename Dialog> void whileOpen(std::function<void()> open, std::function<void(Dialog &)> look)
{
    bool looked = false;
    QTimer::singleShot(0, [&] {
        auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (auto *dialog = qobject_cast<Dialog *>(modal)) {
            looked = true;
            look(*dialog); // a failed comparison returns early; the dialog is closed all the same
        }
        if (modal)
            modal->reject();
    });
    open();
    QVERIFY2(looked, "the dialog did not open");
}

QStringList texts(const QList<QAbstractButton *> &buttons)
{
    QStringList all;
    for (const QAbstractButton *b : buttons)
        all << b->text();
    return all;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(loadQtTranslations(), "qtbase_zh_CN.qm missing: install qt6-translations-l10n"); }
    void yesNoBoxIsChinese();
    void colourDialogIsChinese();
    void textFieldMenuIsChinese();
    void missingTranslationsAreNoObstacle();
};

void TestTranslations::yesNoBoxIsChinese()
{
    QtPrompts prompts;
    bool answer = true;
    whileOpen<QMessageBox>([&] { answer = prompts.askYesNo(u"请确认"_s, u"是否打开"_s); },
                           [](QMessageBox &box) {
                               QCOMPARE(box.button(QMessageBox::Yes)->text(), u"是(&Y)"_s);
                               QCOMPARE(box.button(QMessageBox::No)->text(), u"否(&N)"_s);
                           });
    QVERIFY(!answer);
    whileOpen<QMessageBox>([&] { prompts.inform(u"提示"_s, u"x"_s); },
                           [](QMessageBox &box) { QCOMPARE(box.button(QMessageBox::Ok)->text(), u"确定"_s); });
}

void TestTranslations::colourDialogIsChinese()
{
    QtColourDialog colours;
    std::optional<Rgb> chosen = 0;
    whileOpen<QColorDialog>([&] { chosen = colours.choose(0x102030, nullptr); },
                            [](QColorDialog &dialog) {
                                QCOMPARE(dialog.windowTitle(), u"选择颜色"_s);
                                const QStringList buttons = texts(dialog.findChildren<QAbstractButton *>());
                                QVERIFY2(buttons.contains(u"取消"_s), qPrintable(buttons.join(u'|')));
                                QStringList labels;
                                for (const QLabel *label : dialog.findChildren<QLabel *>())
                                    labels << label->text();
                                QVERIFY2(labels.contains(u"基本颜色(&B)"_s), qPrintable(labels.join(u'|')));
                                for (const QString &text : buttons + labels)
                                    QVERIFY2(!text.contains(u"Cancel") && !text.contains(u"colors"), qPrintable(text));
                            });
    QVERIFY(!chosen);
}

void TestTranslations::textFieldMenuIsChinese()
{
    QLineEdit field(u"墨檐"_s);
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList items;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator())
            items << action->text().section(u'\t', 0, 0); // without the shortcut
    }
    QVERIFY2(items.contains(u"复制(&C)"_s) && items.contains(u"粘贴(&P)"_s), qPrintable(items.join(u'|')));
    QVERIFY2(!items.join(u'|').contains(u"Copy"), qPrintable(items.join(u'|')));
}

void TestTranslations::missingTranslationsAreNoObstacle()
{
    QTemporaryDir empty;
    QVERIFY(!loadQtTranslationsFrom(empty.path()));
    QVERIFY(!loadQtTranslationsFrom(empty.filePath(u"nowhere"_s)));
}

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
