#pragma once

namespace qov {

// Registers the terms screens' interface files: the navigation screen, the terms, a document row, a service's
// detail, a document page and the declined screen. Called once before the application launches
// (registerApplication() does); registering again replaces the same builders.
void registerTermsInterfaceFiles();

}  // namespace qov
