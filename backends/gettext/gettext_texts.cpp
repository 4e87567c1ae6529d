#include "backends/gettext/gettext_texts.h"

#include <clocale>
#include <utility>

#include <libintl.h>

namespace dawnquill {

GettextTexts::GettextTexts(std::string domain, const std::string& folder)
    : domain_(std::move(domain)) {
  bindtextdomain(domain_.c_str(), folder.c_str());
  // Whatever the locale's own character set: the program speaks UTF-8 throughout.
  bind_textdomain_codeset(domain_.c_str(), "UTF-8");
}

// A context is looked up as gettext's pgettext does: the context, EOT, then the English. An
// answer that is the key itself is gettext saying it has no translation.
std::string GettextTexts::Translate(std::string_view context, std::string_view english) const {
  std::string key;
  if (!context.empty()) {
    key.append(context);
    key += '\004';
  }
  key.append(english);
  const char* found = dcgettext(domain_.c_str(), key.c_str(), LC_MESSAGES);
  if (found == key.c_str()) return std::string(english);
  return found;
}

}  // namespace dawnquill
