/* The start-up code and the call stubs into the shared libraries run in every job: placed just
   before the text, whose every-job functions come first, they share its first pages instead of
   taking a page of their own after its end. Only the position of these three sections changes. */
SECTIONS {
  .init : { KEEP (*(SORT_NONE(.init))) }
  .fini : { KEEP (*(SORT_NONE(.fini))) }
  .plt : { *(.plt) }
} INSERT BEFORE .text;
