// A valid StopMemory and DocumentMemory, and records whose stamp has been
// spoiled, for tests of the exported functions.
#pragma once

#include <gtest/gtest.h>

#include "api/document_memory.h"
#include "phx_api.h"
#include "stopmem/stop_memory.h"

class ApiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(PhxCreateStopMemory(&stop), 0);
    ASSERT_EQ(PhxCreateDocumentMemory(&doc), 0);
    ASSERT_EQ(PhxCreateStopMemory(&bad_stop), 0);
    ASSERT_EQ(PhxCreateDocumentMemory(&bad_doc), 0);
    bad_stop->stamp = 54321;
    bad_doc->stamp = 0;
  }
  void TearDown() override {
    bad_stop->stamp = phx::kValidStamp;
    bad_doc->stamp = phx::kValidStamp;
    EXPECT_EQ(PhxClearDocumentMemory(bad_doc), 0);
    EXPECT_EQ(PhxClearStopMemory(bad_stop), 0);
    if (doc != nullptr) {
      EXPECT_EQ(PhxClearDocumentMemory(doc), 0);
    }
    if (stop != nullptr) {
      EXPECT_EQ(PhxClearStopMemory(stop), 0);
    }
  }

  StopMemory* stop = nullptr;
  DocumentMemory* doc = nullptr;
  StopMemory* bad_stop = nullptr;
  DocumentMemory* bad_doc = nullptr;
};
