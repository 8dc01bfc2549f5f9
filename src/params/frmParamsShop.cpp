// SPDX-License-Identifier: GPL-3.0-or-later
// The shop's name and address on the parameters screen: they head the
// statements and the price tags, and are stored with the other settings.

#include "params/frmParams.h"

#include "shell/SharedValues.h"
#include "shell/Twips.h"
#include "store/ShopIdentity.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace mqt {

namespace {

// Wide enough for a shop name such as "The Corner Consignment Shop" and an
// address line, in the boxes' font.
constexpr int ShopBoxTwips = 4800;

// An empty box clears the field.
QVariant Stored(const QString& text) { return text.trimmed().isEmpty() ? QVariant() : QVariant(text.trimmed()); }

}  // namespace

void frmParams::AddShopBoxes(QGridLayout& layout, int row)
{
    const QFont font = txtDrive_->font();
    txtShopName_ = new QLineEdit(this);
    txtShopName_->setObjectName(QStringLiteral("txtShopName"));
    txtShopName_->setFont(font);
    txtShopName_->setFixedWidth(TwipsToPixels(ShopBoxTwips));
    txtShopAddress_ = new QPlainTextEdit(this);
    txtShopAddress_->setObjectName(QStringLiteral("txtShopAddress"));
    txtShopAddress_->setFont(font);
    txtShopAddress_->setTabChangesFocus(true);
    txtShopAddress_->setFixedSize(TwipsToPixels(ShopBoxTwips), 4 * txtShopAddress_->fontMetrics().lineSpacing());
    auto* name = new QLabel(QStringLiteral("Shop name"), this);
    name->setObjectName(QStringLiteral("lblShopName"));
    auto* address = new QLabel(QStringLiteral("Shop address"), this);
    address->setObjectName(QStringLiteral("lblShopAddress"));
    layout.addWidget(name, row, 0);
    layout.addWidget(txtShopName_, row, 1);
    layout.addWidget(address, row + 1, 0, Qt::AlignTop);
    layout.addWidget(txtShopAddress_, row + 1, 1);
}

void frmParams::FillShopBoxes()
{
    const ShopIdentity shop = ReadShopIdentity(shared_.database.connection());
    txtShopName_->setText(shop.name);
    txtShopAddress_->setPlainText(shop.address);
}

// Written into the params row's change that the Update stores.
void frmParams::TakeShopBoxes(Recordset& params) const
{
    params.Fields(QStringLiteral("ShopName")).SetValue(Stored(txtShopName_->text()));
    params.Fields(QStringLiteral("ShopAddress")).SetValue(Stored(txtShopAddress_->toPlainText()));
}

}  // namespace mqt
