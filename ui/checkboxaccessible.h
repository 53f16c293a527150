#pragma once

// Assistive technology checks a box through the box's accessible "Toggle" action. Qt's own
// action flips the checked state without a click, so handlers bound to the click (the option
// interlock) never run; after this call the action clicks the box, as Space or the mouse does.
// Takes effect for check boxes whose accessibility is first asked for after the call.
void installCheckBoxAccessibility();
