' Rule: A For loop builds a text piece by piece with &; Mid(text, i, 1) is the i-th character.
' Rule: A For loop whose end is below its start runs no times.
' Case: "ABC" => "A B C"
' Case: "A" => "A"
' Case: "" => ""
Function DataUpdated(Data)
  Dim i, s
  s = ""
  For i = 1 To Len(Data)
    If i > 1 Then s = s & " "
    s = s & Mid(Data, i, 1)
  Next
  DataUpdated = s
End Function
