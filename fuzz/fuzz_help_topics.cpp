#include <cstdlib>

#include "fuzz/fuzz_file.h"
#include "textdata/help_topics.h"

// The topic file through the help reader: the line table, the topic scan,
// the sorting, the generated index, every lookup and the link scan.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  korvane::HelpTopics topics;
  if (!topics.Load(korvane::fuzz::WriteInput(data, size))) std::abort();
  if (topics.TopicCount() > static_cast<int>(korvane::HelpTopics::kMaxTopics)) std::abort();
  for (int id = 0; id < topics.TopicCount(); ++id) {
    const korvane::HelpTopic topic = topics.Find(topics.TopicName(id));
    if (!topics.TopicName(id).empty() && !topic.found) std::abort();
    for (const std::string& line : topic.lines) {
      for (const korvane::HelpLink& link : topics.Links(line)) {
        if (link.offset + link.text.size() > line.size() || line.compare(link.offset, link.text.size(), link.text) != 0)
          std::abort();
      }
    }
  }
  for (int level = 1; level <= korvane::HelpTopics::kLevels; ++level)
    for (int i = 0; i < topics.KeyCount(level); ++i)
      if (!topics.Find(topics.Key(level, i)).found) std::abort();
  return 0;
}
