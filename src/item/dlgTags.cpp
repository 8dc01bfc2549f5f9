// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/dlgTags.h"

#include "common/Clock.h"
#include "common/Dialogs.h"
#include "documents/DesktopViewer.h"
#include "documents/TagFiles.h"
#include "documents/TagSheet.h"
#include "shell/ReportErrors.h"
#include "shell/SharedValues.h"
#include "store/ShopIdentity.h"
#include "store/StoreError.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

namespace mqt {

namespace {

constexpr std::array<const char*, 4> ForCaptions = {"The selected item", "Every unsold item listed",
                                                    "The consignor's items added today",
                                                    "Marked down since their tag was printed"};
constexpr int MostCopies = 99;

QString SettingsFile(const SharedValues& shared)
{
    return QDir(shared.ProgramFolder).filePath(QStringLiteral("tags/tags.ini"));
}

// Shows the wait cursor while tags are drawn.
class Busy {
public:
    Busy() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Busy() { QApplication::restoreOverrideCursor(); }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;
};

}  // namespace

dlgTags::dlgTags(SharedValues& shared, TagChoices choices, QWidget* parent)
    : QDialog(parent), shared_(shared), choices_(std::move(choices))
{
    setObjectName(QStringLiteral("dlgTags"));
    setWindowTitle(QStringLiteral("MQT - Price Tags"));

    auto* which = new QGroupBox(QStringLiteral("Tags for"));
    auto* whichLayout = new QVBoxLayout(which);
    optTagsFor_ = new QButtonGroup(this);
    for (int i = 0; i < int(ForCaptions.size()); ++i) {
        auto* option = new QRadioButton(QLatin1String(ForCaptions[std::size_t(i)]));
        option->setObjectName(QStringLiteral("optTagsFor(%1)").arg(i));
        optTagsFor_->addButton(option, i);
        whichLayout->addWidget(option);
        optionTagsFor_[std::size_t(i)] = option;
    }
    optionTagsFor_[0]->setEnabled(choices_.selectedItemNo.has_value());
    optionTagsFor_[1]->setEnabled(!choices_.listedItemNos.empty());
    optionTagsFor_[2]->setEnabled(!choices_.lastName.isEmpty());
    optionTagsFor_[choices_.selectedItemNo ? 0 : 1]->setChecked(true);

    cboTagLayout_ = new QComboBox;
    cboTagLayout_->setObjectName(QStringLiteral("cboTagLayout"));
    for (const TagLayout& layout : TagLayouts()) cboTagLayout_->addItem(QString::fromLatin1(layout.caption), QString::fromLatin1(layout.key));
    const QSettings remembered(SettingsFile(shared_), QSettings::IniFormat);
    const TagLayout* last = FindTagLayout(remembered.value(QStringLiteral("layout")).toString());
    const TagLayout& chosen = last ? *last : DefaultTagLayout(QLocale::system());
    cboTagLayout_->setCurrentIndex(cboTagLayout_->findData(QString::fromLatin1(chosen.key)));

    spnFirstPosition_ = new QSpinBox;
    spnFirstPosition_->setObjectName(QStringLiteral("spnFirstPosition"));
    spnCopies_ = new QSpinBox;
    spnCopies_->setObjectName(QStringLiteral("spnCopies"));
    spnCopies_->setRange(1, MostCopies);

    auto* settings = new QFormLayout;
    settings->addRow(QStringLiteral("Paper"), cboTagLayout_);
    settings->addRow(QStringLiteral("First free label"), spnFirstPosition_);
    settings->addRow(QStringLiteral("Copies of each tag"), spnCopies_);

    cmdPrintTags_ = new QPushButton(QStringLiteral("Print..."));
    cmdPrintTags_->setObjectName(QStringLiteral("cmdPrintTags"));
    cmdSaveTags_ = new QPushButton(QStringLiteral("Save PDF"));
    cmdSaveTags_->setObjectName(QStringLiteral("cmdSaveTags"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->addButton(cmdPrintTags_, QDialogButtonBox::ActionRole);
    buttons->addButton(cmdSaveTags_, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(which);
    layout->addLayout(settings);
    layout->addWidget(buttons);

    cboTagLayout_Change();
    connect(cboTagLayout_, &QComboBox::currentIndexChanged, this, [this] { cboTagLayout_Change(); });
    connect(cmdPrintTags_, &QPushButton::clicked, this,
            [this] { RunReportingErrors(shared_.dialogs, [this] { cmdPrintTags_Click(); }); });
    connect(cmdSaveTags_, &QPushButton::clicked, this,
            [this] { RunReportingErrors(shared_.dialogs, [this] { cmdSaveTags_Click(); }); });
}

void dlgTags::cboTagLayout_Change()
{
    const TagLayout* layout = FindTagLayout(cboTagLayout_->currentData().toString());
    spnFirstPosition_->setRange(1, layout ? layout->PerPage() : 1);
    spnFirstPosition_->setEnabled(layout && layout->PerPage() > 1);
}

std::optional<TagSheet> dlgTags::ChosenSheet()
{
    std::vector<std::int64_t> numbers;
    const Connection& connection = shared_.database.connection();
    switch (optTagsFor_->checkedId()) {
    case 0:
        if (choices_.selectedItemNo) numbers.push_back(*choices_.selectedItemNo);
        break;
    case 1:
        numbers = choices_.listedItemNos;
        break;
    case 2:
        numbers = ItemsAddedOn(connection, choices_.lastName, choices_.firstName, shared_.clock.Today());
        break;
    case 3:
        numbers = ItemsRepricedSinceTagged(connection);
        break;
    }
    TagSheet sheet;
    sheet.layout = FindTagLayout(cboTagLayout_->currentData().toString());
    sheet.shopName = ReadShopIdentity(connection).name;
    sheet.items = ReadTagItems(connection, numbers);
    // Sold items are not tagged in a run over the list.
    if (optTagsFor_->checkedId() == 1)
        std::erase_if(sheet.items, [](const TagItem& item) { return item.sold; });
    sheet.firstPosition = spnFirstPosition_->value();
    sheet.copies = spnCopies_->value();
    if (!sheet.layout || sheet.items.empty()) {
        shared_.dialogs.ShowError(QStringLiteral("There are no items to tag: rent charges and sold items get no tags"));
        return std::nullopt;
    }
    return sheet;
}

void dlgTags::RememberLayout()
{
    QSettings remembered(SettingsFile(shared_), QSettings::IniFormat);
    remembered.setValue(QStringLiteral("layout"), cboTagLayout_->currentData().toString());
}

void dlgTags::cmdSaveTags_Click()
{
    const std::optional<TagSheet> sheet = ChosenSheet();
    if (!sheet) return;
    WrittenTags written;
    {
        const Busy busy;
        written = SaveTagsPdf(*sheet, shared_.ProgramFolder, shared_.clock.Now());
    }
    if (!written.error.isEmpty()) {
        shared_.dialogs.ShowError(written.error);
        return;
    }
    RememberLayout();
    OpenWithDesktopViewer(written.path);
    outcome_ = QStringLiteral("%1 tags written to %2").arg(sheet->TagCount()).arg(QDir::toNativeSeparators(written.path));
    NoteTagPrices(*sheet);
    accept();
}

void dlgTags::cmdPrintTags_Click()
{
    const std::optional<TagSheet> sheet = ChosenSheet();
    if (!sheet) return;
    QPrinter printer(QPrinter::HighResolution);
    if (!SetUpTagPages(*sheet->layout, printer)) {
        shared_.dialogs.ShowError(QStringLiteral("The printer does not take this paper"));
        return;
    }
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    bool printed = false;
    {
        const Busy busy;
        printed = DrawTags(*sheet, printer);
    }
    if (!printed) {
        shared_.dialogs.ShowError(QStringLiteral("The tags could not be printed"));
        return;
    }
    RememberLayout();
    outcome_ = QStringLiteral("%1 tags sent to the printer").arg(sheet->TagCount());
    NoteTagPrices(*sheet);
    accept();
}

void dlgTags::NoteTagPrices(const TagSheet& sheet)
{
    try {
        RecordTagPrices(shared_.database.connection(), sheet.items);
    } catch (const StoreError& error) {
        outcome_ += QStringLiteral("; the prices on them could not be noted: ") + error.Message();
    }
}

}  // namespace mqt
