#pragma once
#include <gtest/gtest.h>
#include <imgui.h>

#include "editor/Editor.h"
#include "engine/InputSystem.h"
#include "objects/ObjectList.h"
#include "support/HeldKeys.h"
#include "support/OwnInterface.h"
#include "support/TempResourceTree.h"

// An editor on a temporary resource tree, with an interface context and no renderer, keys held
// by the test.
class EditorTest : public testsupport::HeldKeysTest {
protected:
    void SetUp() override
    {
        HeldKeysTest::SetUp();
        if (!ImGui::GetCurrentContext())
            ImGui::CreateContext();  // the window system's, in the game
        ImGui::GetStyle() = ImGuiStyle();
        DestroyAll();
        if (gInputSystem)
            gInputSystem->inputEnabled = true;
    }
    void TearDown() override
    {
        DestroyAll();
        HeldKeysTest::TearDown();
    }

    testsupport::TempResourceTree tree;
    testsupport::OwnInterface ownInterface;  // made in SetUp, gone after the test
};
