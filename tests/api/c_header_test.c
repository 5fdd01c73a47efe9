/* The public header is plain C: this program is compiled as C and uses the
 * shared library the way a C caller would. */
#include "phx_api.h"

#include <stdio.h>
#include <string.h>

int main(void) {
  StopMemory* stop = NULL;
  DocumentMemory* doc = NULL;
  const char* message = NULL;
  const char* text = "The engine reads one document at a time.";
  int count = -1;

  if (PhxCreateStopMemory(&stop) != 0 || PhxCreateDocumentMemory(&doc) != 0) return 1;
  if (PhxSetDocumentLanguage(doc, 1) != 0) return 2;
  if (PhxReadDocumentBuffer(doc, stop, text, (int)strlen(text)) != 0) return 3;
  if (PhxSignalDocumentEnd(doc, stop) != 0) return 4;
  if (PhxGetPhraseListSize(doc, &count) != 0 || count < 0) return 5;
  PhxGetErrorMessage(2, &message);
  if (message == NULL || strcmp(message, "ERROR: DocumentMemory pointer is NULL. \n") != 0) return 6;
  if (PhxClearDocumentMemory(doc) != 0 || PhxClearStopMemory(stop) != 0) return 7;
  if (PhxClearDocumentMemory(NULL) != 2) return 8;
  printf("C caller: %d phrases\n", count);
  return 0;
}
