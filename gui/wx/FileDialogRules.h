#pragma once
// How the framework's save-as request reads on a GTK file chooser. Texts here are UTF-8.

#include <string>

namespace ferrolin {

// The framework's filter ("Xml Files (*.xml)|*.xml||": pairs of description and patterns, ended
// by an empty pair) as a wx wildcard. GTK matches patterns case-sensitively where the framework
// did not, so each pattern is offered in upper case too ("*.xml;*.XML").
std::string WildcardOfFilter(const std::string& filter);

// The name the chooser starts with: a name holding a wildcard is a pattern, not a file name (the
// default path ends in "*.xml"), and the chooser's filter shows it already.
std::string InitialFileName(const std::string& fileName);

// The chosen path with the default extension appended when its file name has none, as the
// framework's save-as dialog does ("report" -> "report.XML").
std::string WithDefaultExtension(const std::string& path, const std::string& defaultExt);

}  // namespace ferrolin
