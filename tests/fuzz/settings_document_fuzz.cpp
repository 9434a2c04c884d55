// A settings document from anywhere: a refused one leaves the image exactly as it was; an
// accepted one puts only values in range into it and can be saved and read back unchanged.
#include "fuzz_input.h"
#include "settings/controller_state.h"

namespace {

// An image unlike the defaults, so that a half-applied document would show.
vtg::SettingsImage EditedImage() {
  vtg::SettingsImage image = vtg::fuzz::DefaultState().image;
  image.title_text[0] = "\x88\x9F";
  image.title_text[255] = "last";
  image.display_flag[7] = 0;
  image.char_size[70] = 2;
  image.auto_switch_time[200] = 99;
  image.startup_page[1] = 64;
  image.display_page[2] = 63;
  image.display_position[3] = 15;
  image.white_level = 0;
  image.edge_level = 3;
  return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using vtg::fuzz::Require;
  static const vtg::SettingsImage kBefore = EditedImage();
  vtg::SettingsImage& image = vtg::fuzz::Reused<vtg::SettingsImage, 0>(kBefore);
  const std::string_view document(reinterpret_cast<const char*>(data), size);
  if (vtg::ParseDocument(document, image)) {
    Require(image == kBefore, "a refused document changed the image");
    return 0;
  }
  Require(vtg::testing::BrokenImageRule(image));
  Require(vtg::fuzz::SavedDocumentReopens(image), "a document that was read cannot be saved");
  return 0;
}
