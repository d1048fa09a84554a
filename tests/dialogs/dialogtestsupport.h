#pragma once

#include "store/product.h"
#include "wizard/wizardtestsupport.h"

#include "app/installdialogs.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmaddfield.h"
#include "dialogs/frmcolors.h"
#include "dialogs/frmedit.h"
#include "dialogs/frmexisting.h"
#include "dialogs/frmmenu.h"
#include "dialogs/frmprotection.h"
#include "store/projectstore.h"

#include <QPointer>
#include <QTimer>

// Runs act on the modal window once it is shown (by an exec() that the test is
// about to call); closes the window afterwards should act leave it open, so that
// no test can hang.
inline void actOnModal(std::function<void(QWidget *)> act)
{
    QTimer::singleShot(0, [act] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        act(modal);
        if (modal && modal->isVisible())
            modal->close();
    });
}

// Types the text as keys would, one character at a time (QTest's key clicks take ASCII only).
inline void typeText(QLineEdit *box, const QString &text)
{
    box->clear();
    for (const QChar c : text)
        box->insert(QString(c));
}
