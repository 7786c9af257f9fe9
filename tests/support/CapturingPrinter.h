// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A printer for tests: it keeps every document it is given and every picture
// put on the clipboard, and answers with the outcome the test chose.

#include <vector>

#include "Printing.h"

namespace vantorelle {

class CapturingPrinter : public Printer {
public:
    PrintOutcome print(const PrintDocument& document) override
    {
        documents.push_back(document);
        return outcome;
    }
    void copyPicture(const QImage& picture) override { copied.push_back(picture); }

    PrintOutcome outcome = PrintOutcome::Printed;
    std::vector<PrintDocument> documents;
    std::vector<QImage> copied;
};

}  // namespace vantorelle
