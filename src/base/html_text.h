#pragma once

#include <string>
#include <string_view>

// Text put into HTML as it stands: & < > " escaped.
std::string htmlEscaped(std::string_view text);
