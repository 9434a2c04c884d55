#pragma once
// The commands that need no unit: a new document, a document shown as text, two documents
// compared, a glyph as a picture.
#include <ostream>
#include <string>

#include "cli/ctl_options.h"
#include "cli/document_text.h"
#include "link/messages.h"

namespace vtg::cli {

// The exit status: kExitOk, or kExitBadUsage after telling why.
int RunFileCommand(const CtlOptions& options, Messages& messages, std::ostream& out, const ShiftJisDecoder& decode);

// Puts `glyph` as glyph options.glyph_index into the glyph list file options.file, made
// with every other glyph blank when it is missing. The exit status, as above.
int StoreGlyphInListFile(const CtlOptions& options, const std::string& glyph, Messages& messages);

}  // namespace vtg::cli
