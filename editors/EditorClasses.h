// The editor controls behind the editor classes the cells register, and the editors' start-up call.
#pragma once

namespace qv {

class IXLEditorControl;
class TXLEdit;
struct TXLEditorClass;

// A new control of the class as a child of the host (the host owns it); nullptr for a class with no control here.
IXLEditorControl* CreateEditorControl(const TXLEditorClass& cls, TXLEdit& host);

// Makes every grid created afterwards own an edit host, so that its cells edit in place. Needs InitEngine's
// registries; idempotent.
void InitEditors();

} // namespace qv
