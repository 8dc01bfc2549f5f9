// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "consignment/ConsignmentTerms.h"

#include <QGroupBox>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace mqt {

// The shop's consignment period on the parameters screen: the term and grace
// days, what becomes of an item left at the end, and the markdown rows
// (category, days, percent off), edited in place.
class TermsFrame final : public QGroupBox {
    Q_OBJECT
public:
    explicit TermsFrame(QWidget* parent = nullptr);

    void Fill(const ConsignmentTerms& terms);

    // The terms as the boxes hold them, or why they cannot be stored.
    struct Entry {
        ConsignmentTerms terms;
        QString fault;  // empty when they can
    };
    Entry Read() const;

    // The controls in tab order.
    std::vector<QWidget*> TabOrder() const;

private:
    void cmdAddMarkdown_Click();
    void cmdRemoveMarkdown_Click();

    QLineEdit* txtTermDays_;
    QLineEdit* txtGraceDays_;
    QComboBox* cboEndOfTerm_;
    QTableWidget* tblMarkdowns_;
    QPushButton* cmdAddMarkdown_;
    QPushButton* cmdRemoveMarkdown_;
};

}  // namespace mqt
