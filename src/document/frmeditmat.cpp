#include "document/frmeditmat.h"

#include "app/frmmain.h"
#include "platform/entertwice.h"
#include "settings/settings.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace
{
const QString CrLf = QStringLiteral("\r\n");
}

frmEditMat::frmEditMat(frmMain &main)
    : EntryDialog(main, QStringLiteral("txtEdit"), QStringLiteral("cmdDone"), true)
{
    setObjectName(QStringLiteral("frmEditMat"));
    setWindowTitle(QStringLiteral(" EDIT MATERIALS/SUPPLIES/TECHNOLOGY LISTING"));
    setHelpContextId(HelpContext);
    txtEdit = field_;
    lblTwice = hint_;
    cmdDone = done_;
    cmdCancel = cancel_;
}

void frmEditMat::Form_Activate()
{
    // Each showing starts afresh: an Enter typed at the last showing does not count.
    enterTwice_->reset();
    txtEdit->moveCursor(QTextCursor::End);
    txtEdit->setFocus(Qt::OtherFocusReason);
    enterTwice_->updateHint();
}

void frmEditMat::cmdDone_Click()
{
    QString listing = ReplaceQuotes(entryText());
    if (!listing.endsWith(CrLf))
        listing += CrLf;
    main_.m.strMaterialEdit = listing;
    hide();
}

void frmEditMat::cancelled()
{
    main_.m.strMaterialEdit = unchanged_;
}
