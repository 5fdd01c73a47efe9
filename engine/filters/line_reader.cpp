#include "filters/line_reader.h"

#include <cstring>

namespace phx {

LineRead read_line(LineBuffer& line, std::string_view buffer, std::size_t& position) {
  const std::size_t room = LineBuffer::kCapacity - line.size();
  const std::size_t available = buffer.size() - position;
  const std::size_t scan = available < room ? available : room;
  const char* start = buffer.data() + position;

  // The first line feed or zero byte within reach ends the copy.
  std::size_t n = 0;
  while (n < scan && start[n] != '\n' && start[n] != '\0') ++n;
  if (n < scan && start[n] == '\n') {
    line.append(std::string_view(start, n + 1));
    position += n + 1;
    return position < buffer.size() ? LineRead::kLine : LineRead::kLastLine;
  }
  line.append(std::string_view(start, n));
  position += n;
  if (n < scan) {  // a zero byte: it is consumed and ends the buffer
    position = buffer.size();
    return LineRead::kUnfinished;
  }
  if (position >= buffer.size()) return LineRead::kUnfinished;
  return LineRead::kFull;
}

}  // namespace phx
