#include "tests/support/GuiTest.h"

#include "shared/Screens.h"

#include <QApplication>
#include <QTest>

namespace testing_support {

void recordMessages(QStringList& into)
{
    gui::MessageBox::setObserver([&into](gui::MessageBox& box) {
        into.append(box.text());
        box.dismiss();
    });
}

void GuiTest::SetUp()
{
    shared::clearScreens();
    useDisplay(800, 600);
    recordMessages(messages);
}

void GuiTest::TearDown()
{
    gui::MessageBox::setObserver({});
    gui::Application::instance().reset();
}

void GuiTest::useDisplay(int width, int height)
{
    gui::Application::instance().reset();
    gui::Display::useWindowed(QSize(width, height));
}

void GuiTest::processEvents()
{
    QApplication::processEvents();
}

gui::FormId fixtureId(const QString& folder, const QString& layout)
{
    return {"T" + layout.left(1).toUpper() + layout.mid(1),
            "tests/" + folder + "/layouts/" + layout};
}

gui::Form* fixtureForm(const QString& folder, const QString& layout)
{
    return makeForm(fixtureId(folder, layout));
}

void clickControl(gui::Form& form, const QString& name)
{
    gui::Control* control = form.findControl(name);
    ASSERT_NE(control, nullptr) << name.toStdString();
    const QPoint centre = control->bounds().center();
    QWidget* client = form.clientArea();
    QTest::mouseClick(client, Qt::LeftButton, Qt::NoModifier, centre);
}

void doubleClick(QWidget* first, const QPoint& at, QWidget* second)
{
    QTest::mouseClick(first, Qt::LeftButton, Qt::NoModifier, at);
    QWidget* target = second ? second : first;
    QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, at);
}

void pressKey(gui::Form& form, int key)
{
    QWidget* target = QApplication::focusWidget();
    if (!target || !form.isAncestorOf(target))
        target = &form;
    QTest::keyClick(target, Qt::Key(key));
}

} // namespace testing_support
