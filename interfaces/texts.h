#pragma once

#include <string>
#include <string_view>

namespace dawnquill {

// Where the texts a person sees come from in the user's language: a catalogue of the platform's
// own kind.
class Texts {
 public:
  virtual ~Texts() = default;

  // The English itself when the catalogue has nothing for it. An empty context is none; a context
  // tells apart one English text used for two purposes.
  virtual std::string Translate(std::string_view context, std::string_view english) const = 0;
};

}  // namespace dawnquill
