// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tallyra {

// Ending the program. A window that ends it returns at once; the event loop then stops, or
// the start-up never shows the main window.
class ProgramEnd
{
public:
    virtual ~ProgramEnd() = default;
    virtual void endProgram() = 0;
    virtual bool endRequested() const = 0;
};

// Quits the application with status 0 once control is back in the event loop.
class AppProgramEnd final : public ProgramEnd
{
public:
    void endProgram() override;
    bool endRequested() const override { return m_requested; }

private:
    bool m_requested = false;
};

} // namespace tallyra
