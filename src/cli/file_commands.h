#pragma once
// The commands that need no unit: a new document, a document shown as text, a glyph as a
// picture.
#include <ostream>

#include "cli/ctl_options.h"
#include "cli/document_text.h"
#include "link/messages.h"

namespace vtg::cli {

// The exit status: kExitOk, or kExitBadUsage after telling why.
int RunFileCommand(const CtlOptions& options, Messages& messages, std::ostream& out, const ShiftJisDecoder& decode);

}  // namespace vtg::cli
