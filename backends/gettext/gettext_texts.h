#pragma once

#include <string>
#include <string_view>

#include "interfaces/texts.h"

namespace dawnquill {

// The program's texts from GNU gettext's catalogues, in the language of the user's locale: glibc
// gives English under C and POSIX, and for a language it has no catalogue of.
class GettextTexts final : public Texts {
 public:
  // `folder` holds <language>/LC_MESSAGES/<domain>.mo. The locale must be set already.
  GettextTexts(std::string domain, const std::string& folder);

  std::string Translate(std::string_view context, std::string_view english) const override;

 private:
  std::string domain_;
};

}  // namespace dawnquill
