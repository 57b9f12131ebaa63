#pragma once

// Hooks of an embedded web browser; this library hosts none, so no hook is ever called.
class CWebBrowserEventHandler {
 public:
  virtual ~CWebBrowserEventHandler() = default;
};
