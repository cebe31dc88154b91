#pragma once

namespace quintaro::shell {

class MemberWindow;

// "Mais Leve": the lightest section of the window's catalogue that passes the
// window's own check for the actions typed in it. Every step is the window's
// "Calcular" on the row the panel shows, so the boxes are cleared and
// rewritten and the check's messages shown as the walk goes.
void find_lightest_section(MemberWindow& window);

}  // namespace quintaro::shell
