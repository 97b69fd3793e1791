// The two languages the program speaks in: Chinese in the window, English on getlink-cli's
// standard error.
#pragma once

namespace getlink {

enum class Wording { Chinese, English };

}  // namespace getlink
