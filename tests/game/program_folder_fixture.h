#pragma once
// A throw-away programs' folder with its arquivos subfolders, removed after the test.

#include "game/game_state.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

class ProgramFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_folder = std::filesystem::temp_directory_path() /
                   (std::string("tolvar_") + info->test_suite_name() + "_" + info->name());
        std::filesystem::remove_all(m_folder);
        for (const char* sub : {"arquivos/som", "arquivos/musica", "arquivos/campanha"})
            std::filesystem::create_directories(m_folder / sub);
        state.programFolder = m_folder.string();
    }
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    std::filesystem::path path(const std::string& relative) const { return m_folder / relative; }

    void write(const std::string& relative, const std::string& bytes) const
    {
        std::ofstream(path(relative), std::ios::binary) << bytes;
    }

    std::string read(const std::string& relative) const
    {
        std::ifstream in(path(relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    tolvar::GameState state;
    std::filesystem::path m_folder;
};
