// Checks shared by the screen window tests.
#pragma once

#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

#include "app/core/calculation.h"
#include "app/frame.h"

namespace qm::test {

inline void typeInto(TCalcForm& form, const char* field, const QString& text)
{
    QLineEdit* edit = form.field(field);
    edit->selectAll();
    edit->del();
    QTest::keyClicks(edit, text);
}

// Label texts after applying `outcome`'s writes in order to `before`.
inline QHash<QString, QString> afterWrites(QHash<QString, QString> before, const Outcome& outcome)
{
    for (const Write& w : outcome.writes)
        before[QString::fromStdString(w.label)] = QString::fromStdString(w.text);
    return before;
}

inline QHash<QString, QString> resultTexts(const TCalcForm& form)
{
    QHash<QString, QString> texts;
    for (const char* name : form.layout().screen.resultLabels)
        texts[QString::fromLatin1(name)] = form.label(name)->text();
    return texts;
}

// Where a widget stands in the client area.
inline QRect inClient(const QWidget* w, const QWidget* form) { return QRect(w->mapTo(form, QPoint(0, 0)), w->size()); }

// Labels and fields of the body that overlap one another, cross a band or
// the picture panel, or stick out of the window or their panel.
inline QStringList overlaps(const TCalcForm& form)
{
    const ScreenLayout& layout = form.layout();
    QList<QWidget*> body;
    for (const FieldDecl& f : layout.fields)
        body << form.field(f.name);
    for (const LabelDecl& l : layout.labels)
        if (!form.label(l.name)->text().isEmpty())
            body << form.label(l.name);
    const QRect client(0, 0, layout.clientWidth, layout.clientHeight);
    const QRect banner = inClient(form.panel(layout.bands.banner), &form);
    const QRect picture = inClient(form.panel(layout.bands.picture), &form);
    const QRect bar = inClient(form.panel(layout.bands.buttonBar), &form);
    QStringList found;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QRect a = inClient(body[i], &form);
        const QString name = body[i]->objectName();
        if (!client.contains(a) || !QRect(QPoint(0, 0), body[i]->parentWidget()->size()).contains(body[i]->geometry()))
            found << name + " sticks out";
        if (a.intersects(banner) || a.intersects(picture) || a.intersects(bar))
            found << name + " crosses a band";
        for (qsizetype j = i + 1; j < body.size(); ++j)
            if (a.intersects(inClient(body[j], &form)))
                found << name + "/" + body[j]->objectName();
    }
    return found;
}

// The objects focus visits with Tab, starting after the current one.
inline QStringList tabSequence(int steps)
{
    QStringList visited;
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    return visited;
}

}  // namespace qm::test
